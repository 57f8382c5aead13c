#include "CoalescedUpdate.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

const QEvent::Type kRunEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

CoalescedUpdate::CoalescedUpdate(std::function<void()> update, QObject* parent)
    : QObject(parent), m_update(std::move(update)) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

CoalescedUpdate::~CoalescedUpdate() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

void CoalescedUpdate::Request() {
    if (m_pending) return;
    m_pending = true;
    QCoreApplication::postEvent(this, new QEvent(kRunEvent));
}

void CoalescedUpdate::Flush() {
    if (!m_pending) return;
    m_pending = false;
    if (m_update) m_update();
}

bool CoalescedUpdate::event(QEvent* event) {
    if (event->type() != kRunEvent) return QObject::event(event);
    Flush();
    return true;
}

bool CoalescedUpdate::eventFilter(QObject* watched, QEvent* event) {
    if (m_pending && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::MouseButtonPress))
        Flush();
    return QObject::eventFilter(watched, event);
}
