#pragma once

#include <QHash>
#include <QString>

class CCommonUtility;
class QWidget;

// Explains an item kind while the mouse rests on a column header of the part grid.
class CProfileAttributeToolTip {
public:
    // Where the tip appears; the grid's own QToolTip unless a test puts another in.
    class Display {
    public:
        virtual ~Display() = default;
        virtual void Show(const QString& text) = 0;
        virtual void Hide() = 0;
        virtual bool IsVisible() const = 0;
    };

    static constexpr int kDelayMs = 3000;

    // With a grid the tip shows over it; the descriptions are loaded at once.
    CProfileAttributeToolTip(const CCommonUtility& utility, QWidget* grid, int rootValue, int formatMajor);
    CProfileAttributeToolTip(const CCommonUtility& utility, Display* display, int rootValue, int formatMajor);
    ~CProfileAttributeToolTip();
    CProfileAttributeToolTip(const CProfileAttributeToolTip&) = delete;
    CProfileAttributeToolTip& operator=(const CProfileAttributeToolTip&) = delete;

    // Only profiles loaded beside a device-model plug-in of kind 2 have descriptions.
    void LoadItemDescriptions(int rootValue, int formatMajor);
    void ShowAttributeDescription(const QString& key);
    QString Description(const QString& key) const { return m_descriptions.value(key); }
    const QString& ShownKey() const { return m_shownKey; }

private:
    const CCommonUtility& m_utility;
    Display* m_display;
    bool m_ownsDisplay;
    QHash<QString, QString> m_descriptions;
    QString m_shownKey;
    QString m_shownText;
};
