#include "Subject.h"

#include <vector>

#include "Observer.h"

Subject::~Subject() {
    for (auto& entry : m_observers) entry.second->m_subjects.erase(this);
}

void Subject::Attach(int eventId, Observer* observer) {
    if (!observer) return;
    m_observers.emplace(eventId, observer);
    observer->m_subjects.insert(this);
}

void Subject::Detach(Observer* observer) {
    for (auto it = m_observers.begin(); it != m_observers.end();) {
        if (it->second == observer)
            it = m_observers.erase(it);
        else
            ++it;
    }
    if (observer) observer->m_subjects.erase(this);
}

void Subject::Notify(int eventId, const QString& data) {
    // Copied first: an observer may detach itself while being notified.
    std::vector<Observer*> targets;
    auto range = m_observers.equal_range(eventId);
    for (auto it = range.first; it != range.second; ++it) targets.push_back(it->second);
    for (Observer* observer : targets) observer->Update(this, 0, eventId, data);
}
