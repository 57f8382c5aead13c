#pragma once
#include <QObject>
#include <memory>

#include "LockKeyState.h"

class IStringSource;
class QLabel;
class QStatusBar;

// The caps-lock, num-lock and scroll-lock indicators of the status bar. Each shows its text while its
// key is on and stays blank, keeping its width, while it is off or the platform cannot tell. They are
// read again after every key event and when a window of the editor becomes active.
class LockKeyIndicators : public QObject {
    Q_OBJECT
public:
    LockKeyIndicators(QStatusBar& bar, const IStringSource& strings,
                      std::unique_ptr<IKeyboardIndicatorSource> source);
    ~LockKeyIndicators() override;

    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kCount = 3;
    QLabel* m_labels[kCount] = {};
    QString m_texts[kCount];
    std::unique_ptr<IKeyboardIndicatorSource> m_source;
    bool m_refreshQueued = false;
};
