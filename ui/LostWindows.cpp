#include "ui/LostWindows.h"

#include "ui/Windows.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

namespace {

class LostWindowFilter final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (eventType == "xcb_generic_event_t" &&
            (event->response_type & 0x7F) == XCB_DESTROY_NOTIFY) {
            noticeDestroyed(static_cast<const xcb_destroy_notify_event_t*>(message)->window);
        }
        return false;
    }

private:
    // A window that Qt itself destroys is no widget's any more by the time the notice comes;
    // one destroyed from outside still is.
    static void noticeDestroyed(xcb_window_t window) {
        QWidget* widget = QWidget::find(window);
        if (widget != nullptr && widget->isWindow() && widget->internalWinId() == window) {
            windowLost(*widget);
        }
    }
};

} // namespace

void watchForLostWindows() {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        return;
    }
    static LostWindowFilter filter;
    QCoreApplication::instance()->installNativeEventFilter(&filter);
}
