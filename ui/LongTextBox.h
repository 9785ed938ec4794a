#pragma once

#include "ui/TextBox.h"

#include <QString>

// A text box for a text far longer than the box: a body list of 501 cells is some 3500
// characters, of which the box shows about forty. It lays out and draws only the head of the
// text, as much as can show however narrow its characters, and gives a screen reader the
// whole text.
class LongTextBox final : public TextBox {
    Q_OBJECT

public:
    explicit LongTextBox(QWidget* parent);

    // Shows the head of `text`, from its start.
    void setWholeText(const QString& text);
    const QString& wholeText() const { return m_wholeText; }

private:
    QString m_wholeText;
};
