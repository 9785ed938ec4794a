#include "ui/Headings.h"

#include "ui/DesignUnits.h"

#include <QCoreApplication>
#include <QLabel>

void addHeadings(QWidget& window, std::span<const Heading> headings, int top, int height,
                 const QFont& font, Qt::Alignment alignment) {
    for (const Heading& heading : headings) {
        auto* label = new QLabel(
            QCoreApplication::translate(window.metaObject()->className(), heading.caption),
            &window);
        label->setObjectName(QString::fromLatin1(heading.name));
        label->setGeometry(twipsRect(heading.left, top, heading.width, height));
        label->setFont(font);
        label->setAlignment(alignment);
        label->setAttribute(Qt::WA_NoMousePropagation);
    }
}
