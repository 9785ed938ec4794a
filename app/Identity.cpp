#include "app/Identity.h"

#include "ui/ProgramIcon.h"

#include <QApplication>

void setProgramIdentity() {
    QApplication::setOrganizationName(QStringLiteral("Varnok"));
    // Also the class of every window on X11, which desktops match with the desktop entry.
    QApplication::setApplicationName(QStringLiteral("Varnok"));
    // No application display name: Qt would append it to every window's caption.
    // The desktop entry's name, which Wayland desktops match with the windows.
    QApplication::setDesktopFileName(QStringLiteral("varnok"));
    QApplication::setWindowIcon(programIcon());
}
