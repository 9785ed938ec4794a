#include "ui/LongTextBox.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>

#include <algorithm>

namespace {

// The most characters that can show in `width` pixels: a body list has digits, spaces and
// hyphens only, and any other character counts as wide as the narrowest of them.
int mostCharactersIn(int width, const QFontMetrics& metrics) {
    int narrowest = metrics.horizontalAdvance(QChar(' '));
    for (const QChar c : QStringLiteral("-0123456789")) {
        narrowest = std::min(narrowest, metrics.horizontalAdvance(c));
    }
    return std::max(width, 0) / std::max(narrowest, 1) + 1;
}

} // namespace

LongTextBox::LongTextBox(QWidget* parent) : TextBox(parent) {
    QAccessible::installActivationObserver(this);
}

LongTextBox::~LongTextBox() {
    QAccessible::removeActivationObserver(this);
}

void LongTextBox::setWholeText(const QString& text) {
    m_wholeText = text;
    fill();
}

bool LongTextBox::movesWith(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll);
    }
}

void LongTextBox::fill() {
    const QString shown = m_inUse || m_readerRuns
                              ? m_wholeText
                              : m_wholeText.left(mostCharactersIn(textWidth(), fontMetrics()));
    if (text() != shown) {
        setText(shown);
        setCursorPosition(0);
    }
}

// Before the line edit takes the focus, which selects all of a text reached by Tab.
void LongTextBox::focusInEvent(QFocusEvent* event) {
    m_inUse = true;
    fill();
    TextBox::focusInEvent(event);
}

// The box stays in use while its window or a menu has the focus a moment: its selection stays.
void LongTextBox::focusOutEvent(QFocusEvent* event) {
    TextBox::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        m_inUse = false;
        fill();
    }
}

void LongTextBox::accessibilityActiveChanged(bool active) {
    m_readerRuns = active;
    fill();
}
