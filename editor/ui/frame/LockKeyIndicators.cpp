#include "LockKeyIndicators.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "IStringSource.h"

namespace {

constexpr int IDS_INDICATOR_CAPS = 59137;
constexpr int IDS_INDICATOR_NUM = 59138;
constexpr int IDS_INDICATOR_SCROLL = 59139;

}  // namespace

LockKeyIndicators::LockKeyIndicators(QStatusBar& bar, const IStringSource& strings,
                                     std::unique_ptr<IKeyboardIndicatorSource> source)
    : QObject(&bar), m_source(std::move(source)) {
    const int ids[kCount] = {IDS_INDICATOR_CAPS, IDS_INDICATOR_NUM, IDS_INDICATOR_SCROLL};
    const char* const names[kCount] = {"IndicatorCaps", "IndicatorNum", "IndicatorScroll"};
    for (int i = 0; i < kCount; ++i) {
        m_texts[i] = strings.LoadString(ids[i]);
        m_labels[i] = new QLabel(&bar);
        m_labels[i]->setObjectName(QString::fromLatin1(names[i]));
        m_labels[i]->setAlignment(Qt::AlignCenter);
        m_labels[i]->setMinimumWidth(m_labels[i]->fontMetrics().horizontalAdvance(m_texts[i]) + 8);
        bar.addPermanentWidget(m_labels[i]);
    }
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) Refresh();
    });
    Refresh();
}

LockKeyIndicators::~LockKeyIndicators() = default;

void LockKeyIndicators::Refresh() {
    m_refreshQueued = false;
    const LockKeys keys = ReadLockKeys(m_source.get());
    const bool on[kCount] = {keys.caps, keys.num, keys.scroll};
    for (int i = 0; i < kCount; ++i) m_labels[i]->setText(on[i] ? m_texts[i] : QString());
}

bool LockKeyIndicators::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::WindowActivate:
            // One reading for the burst of events a key sends through the widget tree.
            if (!m_refreshQueued) {
                m_refreshQueued = true;
                QTimer::singleShot(0, this, &LockKeyIndicators::Refresh);
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
