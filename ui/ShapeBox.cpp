#include "ui/ShapeBox.h"

#include "ui/DesignUnits.h"

#include <QPainter>

ShapeBox::ShapeBox(Colour fill, std::optional<Colour> border, QWidget* parent)
    : QWidget(parent), m_fill(fill), m_border(border) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShapeBox::setFillColour(Colour fill) {
    if (fill != m_fill) {
        m_fill = fill;
        update();
    }
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_fill));
    if (m_border) {
        painter.setPen(toQColor(*m_border));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
