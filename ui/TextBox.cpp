#include "ui/TextBox.h"

#include "ui/DesignUnits.h"
#include "ui/ShiftState.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    // A right press is a press like any other, not a request for an edit menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_NoMousePropagation);
}

void TextBox::setBackColor(Color color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Base, toQColor(color));
    setPalette(colors);
}

void TextBox::setForeColor(Color color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Text, toQColor(color));
    setPalette(colors);
}

int TextBox::textWidth() const {
    // Qt keeps a margin of 2 pixels on either side of a line edit's text, beside the style's.
    constexpr int kLineEditMargin = 2;
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &frame, this);
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin;
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    m_leftPressed = event->button() == Qt::LeftButton;
    emit pressed(shiftStateOf(event->modifiers()));
}

// Qt reports the second press of a quick pair as a double click; to the user it is a press.
void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    const bool click = m_leftPressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (click) {
        emit clicked();
    }
}
