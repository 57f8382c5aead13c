#include "CProfileAttributeToolTip.h"

#include <QCursor>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

#include "CCommonUtility.h"

namespace {

class GridToolTipDisplay : public CProfileAttributeToolTip::Display {
public:
    explicit GridToolTipDisplay(QWidget* grid) : m_grid(grid) {}
    void Show(const QString& text) override {
        if (m_grid.isNull()) return;
        QToolTip::showText(QCursor::pos(), text, m_grid, QRect(), CProfileAttributeToolTip::kDelayMs);
    }
    void Hide() override { QToolTip::hideText(); }
    bool IsVisible() const override { return QToolTip::isVisible(); }

private:
    QPointer<QWidget> m_grid;
};

struct KeyText {
    const char* key;
    int id;
};

constexpr KeyText kDescriptions[] = {
    {"LABEL", 62087},  {"LABEL2", 62088},  {"CATEGORY", 62089},   {"NAME", 62090},      {"DATATYPE", 62091},
    {"DATA", 62092},   {"RANGE", 62100},   {"MIN_INC", 62093},    {"ENG_UNIT", 62094},  {"ACCESS", 62095},
    {"ASSIGN", 62096}, {"COMMENT", 62101}, {"REF_MEMORY", 62097}, {"REF_PARAM", 62098}, {"CODE", 62099},
};
constexpr int kReadConditionText = 62106;

}  // namespace

CProfileAttributeToolTip::CProfileAttributeToolTip(const CCommonUtility& utility, QWidget* grid,
                                                   int rootValue, int formatMajor)
    : m_utility(utility), m_display(new GridToolTipDisplay(grid)), m_ownsDisplay(true) {
    LoadItemDescriptions(rootValue, formatMajor);
}

CProfileAttributeToolTip::CProfileAttributeToolTip(const CCommonUtility& utility, Display* display,
                                                   int rootValue, int formatMajor)
    : m_utility(utility), m_display(display), m_ownsDisplay(false) {
    LoadItemDescriptions(rootValue, formatMajor);
}

CProfileAttributeToolTip::~CProfileAttributeToolTip() {
    if (m_ownsDisplay) delete m_display;
}

void CProfileAttributeToolTip::LoadItemDescriptions(int rootValue, int formatMajor) {
    m_shownKey.clear();
    m_shownText.clear();
    m_descriptions.clear();
    if (rootValue != 2) return;
    for (const KeyText& entry : kDescriptions)
        m_descriptions.insert(QString::fromLatin1(entry.key), m_utility.LoadString(entry.id));
    if (formatMajor == 2)
        m_descriptions.insert(QStringLiteral("READ_CONDITION"), m_utility.LoadString(kReadConditionText));
}

void CProfileAttributeToolTip::ShowAttributeDescription(const QString& key) {
    if (key.isEmpty()) {
        m_shownKey.clear();
        m_display->Hide();
        return;
    }
    // The same header again: the tip stays as it is, without flicker.
    if (key == m_shownKey && m_display->IsVisible()) return;
    const QString text = m_descriptions.value(key);
    if (text.isEmpty()) {
        m_shownKey.clear();
        m_display->Hide();
        return;
    }
    m_shownKey = key;
    m_shownText = text;
    m_display->Show(text);
}
