#pragma once
// Works the modal windows of a loaded plug-in the way a user would: each step waits until its
// window is the active modal one and then acts on it. Event-driven, never by elapsed time.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class ModalScript {
public:
    using Match = std::function<bool(QWidget*)>;
    using Action = std::function<void(QWidget*)>;

    ModalScript() {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { Poll(); });
        m_poll.start(0);
    }

    void Then(const QString& what, Match match, Action action) { m_steps.append({what, match, action}); }

    // What went wrong: windows nobody expected and steps whose window never came.
    QStringList problems;
    QStringList Pending() const {
        QStringList names;
        for (const Step& s : m_steps) names.append(s.what);
        return names;
    }

private:
    struct Step {
        QString what;
        Match match;
        Action action;
    };

    // Polls without progress before the script gives up and closes what is open.
    static constexpr int kPatience = 20000;
    // Polls that must see the same window before it is acted on; each poll is a new pass of events.
    static constexpr int kSightings = 3;

    void Poll() {
        QWidget* active = QApplication::activeModalWidget();
        if (!active || !active->isVisible() || active == m_busy) return;
        // A box that was just answered may still be leaving its loop within this pass of events;
        // acting on the window below it before that would act from inside the box's loop.
        if (active != m_candidate) {
            m_candidate = active;
            m_sightings = 0;
        }
        if (++m_sightings < kSightings) return;
        if (m_steps.isEmpty() || ++m_idle > kPatience) {
            problems.append(QStringLiteral("unexpected window %1 \"%2\"")
                                .arg(active->objectName(), active->windowTitle()));
            if (auto* dialog = qobject_cast<QDialog*>(active)) dialog->done(QDialog::Rejected);
            m_idle = 0;
            return;
        }
        if (!m_steps.first().match(active)) return;
        const Step step = m_steps.takeFirst();
        m_idle = 0;
        m_busy = active;
        m_candidate = nullptr;
        // Run outside this timer's slot, so that a nested modal loop keeps the script polling.
        QTimer::singleShot(0, active, [this, active, step] {
            m_busy = nullptr;
            step.action(active);
        });
    }

    QTimer m_poll;
    QList<Step> m_steps;
    QPointer<QWidget> m_busy;
    QPointer<QWidget> m_candidate;
    int m_sightings = 0;
    int m_idle = 0;
};
