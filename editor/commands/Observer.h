#pragma once
#include <QString>
#include <set>

class Subject;

// Receives the notifications of the subjects it is attached to. Keeps the reverse registry,
// so that whichever of the two goes first, the other holds no dangling pointer.
class Observer {
public:
    Observer() = default;
    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;
    virtual ~Observer();

    virtual void Update(Subject* subject, int reserved, int eventId, const QString& data) = 0;

private:
    friend class Subject;
    std::set<Subject*> m_subjects;
};
