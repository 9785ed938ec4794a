#include "ui/WindowDesign.h"

#include "ui/DesignUnits.h"

#include <QPalette>
#include <QWidget>

void applyWindowDesign(QWidget& window, const QString& name, const QString& caption,
                       Color background) {
    window.setObjectName(name);
    window.setWindowTitle(caption);
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, toQColor(background));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}
