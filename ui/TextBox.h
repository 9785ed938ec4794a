#pragma once

#include "track/CellIndex.h"

#include <QLineEdit>

// A one-line box that shows what the program writes into it; the user cannot edit it. It
// reports mouse presses, with the shift state of the press, and clicks.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);

    void setBackColor(Color color);
    void setForeColor(Color color);

    // The width in pixels that the box gives its text, inside its frame and margins.
    int textWidth() const;

signals:
    // Any button; each press of a quick double press counts. The shift state is a mask of
    // 1 Shift, 2 Ctrl, 4 Alt.
    void pressed(int shiftState);
    // The left button pressed and released over the box.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_leftPressed = false;
};
