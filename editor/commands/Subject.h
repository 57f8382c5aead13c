#pragma once
#include <QString>
#include <map>

class Observer;

// Registry of observers by event id.
class Subject {
public:
    Subject() = default;
    Subject(const Subject&) = delete;
    Subject& operator=(const Subject&) = delete;
    virtual ~Subject();

    void Attach(int eventId, Observer* observer);
    // Removes every entry of the observer, under any event id.
    void Detach(Observer* observer);
    // Calls the observers of the event in registration order.
    void Notify(int eventId, const QString& data);

private:
    std::multimap<int, Observer*> m_observers;
};
