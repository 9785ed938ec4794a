#include "ui/LongTextBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>

#include <algorithm>

namespace {

// What a screen reader reads of a long text box: the whole text, not the head it shows. It
// cannot be selected or edited, and the cursor stays at its start.
class LongTextBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LongTextBoxAccessible(LongTextBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? whole() : QAccessibleWidget::text(kind);
    }

    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const qsizetype start = std::clamp<qsizetype>(startOffset, 0, whole().size());
        const qsizetype end = std::clamp<qsizetype>(endOffset, start, whole().size());
        return whole().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(whole().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    const QString& whole() const { return static_cast<const LongTextBox*>(widget())->wholeText(); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QStringLiteral("LongTextBox")) {
        return new LongTextBoxAccessible(static_cast<LongTextBox*>(object));
    }
    return nullptr;
}

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
    // Qt keeps every factory it is given: this one goes in once, with the first box.
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
}

void LongTextBox::setWholeText(const QString& text) {
    m_wholeText = text;
    setText(text.left(mostCharactersIn(textWidth(), fontMetrics())));
    setCursorPosition(0);
}
