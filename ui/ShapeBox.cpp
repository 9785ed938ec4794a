#include "ui/ShapeBox.h"

#include "ui/DesignUnits.h"

#include <QPainter>

ShapeBox::ShapeBox(Color fill, std::optional<Color> border, QWidget* parent)
    : QWidget(parent), m_fill(fill), m_border(border) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShapeBox::setFillColor(Color fill) {
    if (fill != m_fill) {
        m_fill = fill;
        update();
    }
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The border is filled, not stroked, so that on a scaled screen it stays inside the box.
    if (m_border) {
        painter.fillRect(rect(), toQColor(*m_border));
        painter.fillRect(rect().adjusted(1, 1, -1, -1), toQColor(m_fill));
    } else {
        painter.fillRect(rect(), toQColor(m_fill));
    }
}
