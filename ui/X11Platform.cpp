#include "ui/X11Platform.h"

#include <QByteArray>
#include <QtGlobal>

#include <xcb/xcb.h>

namespace {

bool xServerAnswers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

} // namespace

void preferX11WhereAvailable() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        return;
    }
    if (xServerAnswers()) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    }
}
