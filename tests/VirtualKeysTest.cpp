#include "ui/VirtualKeys.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    int code;
};

KeyCode codeOf(const KeyCase& c) {
    return virtualKeyCode(QKeyEvent(QEvent::KeyPress, c.key, c.modifiers));
}

TEST(VirtualKeys, NameEachKeyByItsCode) {
    const KeyCase cases[] = {
        {Qt::Key_Control, Qt::ControlModifier, 17},
        {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_Alt, Qt::AltModifier, 18},
        {Qt::Key_Left, Qt::KeypadModifier, 37},
        {Qt::Key_Up, Qt::NoModifier, 38},
        {Qt::Key_Right, Qt::NoModifier, 39},
        {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_A, Qt::NoModifier, 65},
        {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_0, Qt::NoModifier, 48},
        {Qt::Key_9, Qt::NoModifier, 57},
        {Qt::Key_F1, Qt::NoModifier, 112},
        {Qt::Key_F12, Qt::NoModifier, 123},
        {Qt::Key_F24, Qt::NoModifier, 135},
        {Qt::Key_Space, Qt::NoModifier, 32},
        {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Tab, Qt::NoModifier, 9},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_Backspace, Qt::NoModifier, 8},
        {Qt::Key_Delete, Qt::NoModifier, 46},
        // The keypad's digits and signs have codes of their own.
        {Qt::Key_0, Qt::KeypadModifier, 96},
        {Qt::Key_7, Qt::KeypadModifier, 103},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Minus, Qt::NoModifier, 189},
        // A shifted symbol is the key it is on.
        {Qt::Key_Exclam, Qt::ShiftModifier, 49},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 48},
        {Qt::Key_Asterisk, Qt::ShiftModifier, 56},
        {Qt::Key_Question, Qt::ShiftModifier, 191},
        {Qt::Key_BraceRight, Qt::ShiftModifier, 221},
        // Keys without a code.
        {Qt::Key_unknown, Qt::NoModifier, 0},
        {Qt::Key_Adiaeresis, Qt::NoModifier, 0},
        {Qt::Key_F25, Qt::NoModifier, 0},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(codeOf(c), c.code) << std::hex << c.key;
    }
}

} // namespace
