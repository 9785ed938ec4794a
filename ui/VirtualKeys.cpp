#include "ui/VirtualKeys.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>
#include <utility>

namespace {

using KeyPair = std::pair<int, KeyCode>;

// Keys whose code does not follow from their Qt key value by a rule below. The shifted
// symbols of a US keyboard name the key they share with their unshifted symbol.
constexpr std::array kNamedKeys = {
    KeyPair{Qt::Key_Backspace, 8},
    KeyPair{Qt::Key_Tab, 9},
    KeyPair{Qt::Key_Backtab, 9},
    KeyPair{Qt::Key_Clear, 12},
    KeyPair{Qt::Key_Return, 13},
    KeyPair{Qt::Key_Enter, 13},
    KeyPair{Qt::Key_Shift, 16},
    KeyPair{Qt::Key_Control, 17},
    KeyPair{Qt::Key_Alt, 18},
    KeyPair{Qt::Key_AltGr, 18},
    KeyPair{Qt::Key_Pause, 19},
    KeyPair{Qt::Key_CapsLock, 20},
    KeyPair{Qt::Key_Escape, 27},
    KeyPair{Qt::Key_Space, 32},
    KeyPair{Qt::Key_PageUp, 33},
    KeyPair{Qt::Key_PageDown, 34},
    KeyPair{Qt::Key_End, 35},
    KeyPair{Qt::Key_Home, 36},
    KeyPair{Qt::Key_Left, 37},
    KeyPair{Qt::Key_Up, 38},
    KeyPair{Qt::Key_Right, 39},
    KeyPair{Qt::Key_Down, 40},
    KeyPair{Qt::Key_Select, 41},
    KeyPair{Qt::Key_Printer, 42},
    KeyPair{Qt::Key_Execute, 43},
    KeyPair{Qt::Key_Print, 44},
    KeyPair{Qt::Key_SysReq, 44},
    KeyPair{Qt::Key_Insert, 45},
    KeyPair{Qt::Key_Delete, 46},
    KeyPair{Qt::Key_Help, 47},
    KeyPair{Qt::Key_Meta, 91},
    KeyPair{Qt::Key_Super_L, 91},
    KeyPair{Qt::Key_Super_R, 92},
    KeyPair{Qt::Key_Menu, 93},
    KeyPair{Qt::Key_Sleep, 95},
    KeyPair{Qt::Key_NumLock, 144},
    KeyPair{Qt::Key_ScrollLock, 145},
    KeyPair{Qt::Key_Back, 166},
    KeyPair{Qt::Key_Forward, 167},
    KeyPair{Qt::Key_Refresh, 168},
    KeyPair{Qt::Key_Stop, 169},
    KeyPair{Qt::Key_Search, 170},
    KeyPair{Qt::Key_Favorites, 171},
    KeyPair{Qt::Key_HomePage, 172},
    KeyPair{Qt::Key_VolumeMute, 173},
    KeyPair{Qt::Key_VolumeDown, 174},
    KeyPair{Qt::Key_VolumeUp, 175},
    KeyPair{Qt::Key_MediaNext, 176},
    KeyPair{Qt::Key_MediaPrevious, 177},
    KeyPair{Qt::Key_MediaStop, 178},
    KeyPair{Qt::Key_MediaTogglePlayPause, 179},
    KeyPair{Qt::Key_MediaPlay, 179},
    KeyPair{Qt::Key_LaunchMail, 180},
    KeyPair{Qt::Key_Exclam, 49},
    KeyPair{Qt::Key_At, 50},
    KeyPair{Qt::Key_NumberSign, 51},
    KeyPair{Qt::Key_Dollar, 52},
    KeyPair{Qt::Key_Percent, 53},
    KeyPair{Qt::Key_AsciiCircum, 54},
    KeyPair{Qt::Key_Ampersand, 55},
    KeyPair{Qt::Key_Asterisk, 56},
    KeyPair{Qt::Key_ParenLeft, 57},
    KeyPair{Qt::Key_ParenRight, 48},
    KeyPair{Qt::Key_Semicolon, 186},
    KeyPair{Qt::Key_Colon, 186},
    KeyPair{Qt::Key_Equal, 187},
    KeyPair{Qt::Key_Plus, 187},
    KeyPair{Qt::Key_Comma, 188},
    KeyPair{Qt::Key_Less, 188},
    KeyPair{Qt::Key_Minus, 189},
    KeyPair{Qt::Key_Underscore, 189},
    KeyPair{Qt::Key_Period, 190},
    KeyPair{Qt::Key_Greater, 190},
    KeyPair{Qt::Key_Slash, 191},
    KeyPair{Qt::Key_Question, 191},
    KeyPair{Qt::Key_QuoteLeft, 192},
    KeyPair{Qt::Key_AsciiTilde, 192},
    KeyPair{Qt::Key_BracketLeft, 219},
    KeyPair{Qt::Key_BraceLeft, 219},
    KeyPair{Qt::Key_Backslash, 220},
    KeyPair{Qt::Key_Bar, 220},
    KeyPair{Qt::Key_BracketRight, 221},
    KeyPair{Qt::Key_BraceRight, 221},
    KeyPair{Qt::Key_Apostrophe, 222},
    KeyPair{Qt::Key_QuoteDbl, 222},
};

// The keypad's own keys, told apart from the main block's by the keypad modifier.
constexpr std::array kKeypadKeys = {
    KeyPair{Qt::Key_Asterisk, 106}, KeyPair{Qt::Key_Plus, 107},  KeyPair{Qt::Key_Minus, 109},
    KeyPair{Qt::Key_Period, 110},   KeyPair{Qt::Key_Comma, 110}, KeyPair{Qt::Key_Slash, 111},
};

constexpr KeyCode kFirstKeypadDigit = 96;
constexpr KeyCode kFirstFunctionKey = 112;
constexpr int kFunctionKeys = 24;

template <std::size_t N>
KeyCode lookUp(const std::array<KeyPair, N>& table, int key) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [key](const KeyPair& pair) { return pair.first == key; });
    return found == table.end() ? kNoKey : found->second;
}

} // namespace

KeyCode virtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    const bool onKeypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const int digit = key - Qt::Key_0;
        return static_cast<KeyCode>(onKeypad ? kFirstKeypadDigit + digit : key);
    }
    // Qt's letter keys carry the upper-case character code, as the codes of letters do.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<KeyCode>(key);
    }
    if (key >= Qt::Key_F1 && key < Qt::Key_F1 + kFunctionKeys) {
        return static_cast<KeyCode>(kFirstFunctionKey + (key - Qt::Key_F1));
    }
    if (onKeypad) {
        if (const KeyCode code = lookUp(kKeypadKeys, key); code != kNoKey) {
            return code;
        }
    }
    return lookUp(kNamedKeys, key);
}
