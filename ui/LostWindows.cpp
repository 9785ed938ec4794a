#include "ui/LostWindows.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

LostWindowWatch::LostWindowWatch() {
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

LostWindowWatch::~LostWindowWatch() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool LostWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (eventType != "xcb_generic_event_t" || (event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) {
        return false;
    }
    // A window that Qt itself destroys is no widget's any more by the time the notice comes;
    // one destroyed from outside still is.
    const xcb_window_t window = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
    QWidget* widget = QWidget::find(window);
    if (widget != nullptr && widget->isWindow() && widget->internalWinId() == window) {
        emit windowLost(widget);
    }
    return false;
}
