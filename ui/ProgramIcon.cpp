#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>

QIcon programIcon() {
    QSvgRenderer picture(QStringLiteral(":/varnok.svg"));
    QIcon icon;
    if (!picture.isValid()) {
        return icon;
    }
    // Drawn at each size rather than scaled from one bitmap, so small icons stay sharp.
    for (const int side : std::array{16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        picture.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
