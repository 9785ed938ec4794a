#include "ui/Headings.h"

#include "ui/DesignFont.h"
#include "ui/DesignUnits.h"

#include <QCoreApplication>
#include <QLabel>

void addHeadings(QWidget& window, std::span<const Heading> headings, int top, int height,
                 const QFont& font, Qt::Alignment alignment) {
    for (const Heading& heading : headings) {
        const QString caption =
            QCoreApplication::translate(window.metaObject()->className(), heading.caption);
        const QRect place = twipsRect(heading.left, top, heading.width, height);
        auto* label = new QLabel(caption, &window);
        label->setObjectName(QString::fromLatin1(heading.name));
        label->setGeometry(place);
        label->setFont(fittingFont(font, caption, place.width()));
        label->setAlignment(alignment);
        label->setAttribute(Qt::WA_NoMousePropagation);
    }
}
