#pragma once

#include "ui/TextBox.h"

#include <QAccessible>
#include <QString>

class QKeyEvent;

// A text box for a text far longer than the box: a body list of 501 cells is some 3500
// characters, of which the box shows about forty. Laying out the whole text on every change
// would cost more than all the rest of the window, so the box holds only the head that can
// show, as much as fits however narrow its characters. It holds the whole text while the user
// is in it, to scroll and select to its end, and while a screen reader runs, which is told of
// every change of the whole text at the offsets the box reports.
class LongTextBox final : public TextBox, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    explicit LongTextBox(QWidget* parent);
    ~LongTextBox() override;

    // Shows `text` from its start.
    void setWholeText(const QString& text);
    const QString& wholeText() const { return m_wholeText; }

    // Whether `key` moves the cursor or the selection, or copies it: the keys a user reads
    // and selects a long text with.
    static bool movesWith(const QKeyEvent& key);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    // Puts the whole text or its head into the box, as the box is used now.
    void fill();

    QString m_wholeText;
    bool m_inUse = false;
    bool m_readerRuns = QAccessible::isActive();
};
