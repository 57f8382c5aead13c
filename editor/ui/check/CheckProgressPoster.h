#pragma once
#include "ICheckProgressSink.h"

class QObject;

// The plug-in's progress reaches the dialog as posted WM_CHECK_PROGRESS events.
class CheckProgressPoster final : public ICheckProgressSink {
public:
    explicit CheckProgressPoster(QObject* target) : m_target(target) {}
    void PostCheckProgress(int value) override;

private:
    QObject* m_target;
};
