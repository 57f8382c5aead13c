#include "Observer.h"

#include "Subject.h"

Observer::~Observer() {
    // Detach erases from m_subjects, so walk a copy.
    const std::set<Subject*> subjects = m_subjects;
    for (Subject* subject : subjects) subject->Detach(this);
}
