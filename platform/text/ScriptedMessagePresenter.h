#pragma once
#include <QList>
#include <QQueue>

#include "IMessagePresenter.h"

// Records every box instead of showing it and answers from a queue, so no test waits on a modal box.
class ScriptedMessagePresenter : public IMessagePresenter {
public:
    struct Call {
        QString text;
        QString caption;
        unsigned style = 0;
    };

    // Answers are used in order; once they run out a box answers with its default button, or goes to the
    // unanswered presenter when there is one (the real box, for a test that answers it as a user does).
    void QueueAnswer(int answer) { answers_.enqueue(answer); }
    IMessagePresenter* unanswered = nullptr;
    const QList<Call>& Calls() const { return calls_; }

    int ShowMessage(const QString& text, const QString& caption, unsigned style) override;

private:
    QQueue<int> answers_;
    QList<Call> calls_;
};
