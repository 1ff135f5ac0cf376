#include "sales/ui/keyCodes.h"

namespace pos {

namespace {

enum class Pad { Any, Keypad, Main };

struct KeyCode {
    int qtKey;
    Pad pad;
    int code;
};

// Shifted punctuation maps to its unshifted key's code: Windows codes name the
// physical key of a US layout, not the character typed.
// clang-format off
constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Return, Pad::Any, 13},       {Qt::Key_Enter, Pad::Any, 13},
    {Qt::Key_Escape, Pad::Any, 27},       {Qt::Key_Space, Pad::Any, 32},
    {Qt::Key_PageUp, Pad::Any, 33},       {Qt::Key_PageDown, Pad::Any, 34},
    {Qt::Key_End, Pad::Any, 35},          {Qt::Key_Home, Pad::Any, 36},
    {Qt::Key_Left, Pad::Any, 37},         {Qt::Key_Up, Pad::Any, 38},
    {Qt::Key_Right, Pad::Any, 39},        {Qt::Key_Down, Pad::Any, 40},
    {Qt::Key_Insert, Pad::Any, 45},       {Qt::Key_Delete, Pad::Any, 46},
    {Qt::Key_Asterisk, Pad::Keypad, 106}, {Qt::Key_Plus, Pad::Keypad, 107},
    {Qt::Key_Minus, Pad::Keypad, 109},    {Qt::Key_Slash, Pad::Keypad, 111},
    {Qt::Key_Semicolon, Pad::Main, 186},  {Qt::Key_Colon, Pad::Main, 186},
    {Qt::Key_Equal, Pad::Main, 187},      {Qt::Key_Plus, Pad::Main, 187},
    {Qt::Key_Comma, Pad::Main, 188},      {Qt::Key_Less, Pad::Main, 188},
    {Qt::Key_Minus, Pad::Main, 189},      {Qt::Key_Underscore, Pad::Main, 189},
    {Qt::Key_Slash, Pad::Main, 191},      {Qt::Key_Question, Pad::Main, 191},
    {Qt::Key_QuoteLeft, Pad::Main, 192},  {Qt::Key_AsciiTilde, Pad::Main, 192},
    {Qt::Key_BracketLeft, Pad::Main, 219}, {Qt::Key_BraceLeft, Pad::Main, 219},
    {Qt::Key_Backslash, Pad::Main, 220},  {Qt::Key_Bar, Pad::Main, 220},
    {Qt::Key_BracketRight, Pad::Main, 221}, {Qt::Key_BraceRight, Pad::Main, 221},
    {Qt::Key_Apostrophe, Pad::Main, 222}, {Qt::Key_QuoteDbl, Pad::Main, 222},
};
// clang-format on

}  // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    // Ranges where Qt's and Windows' codes run in step.
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return (keypad ? 96 : 48) + (qtKey - Qt::Key_0);

    const Pad pad = keypad ? Pad::Keypad : Pad::Main;
    for (const KeyCode& k : kKeyCodes)
        if (k.qtKey == qtKey && (k.pad == Pad::Any || k.pad == pad)) return k.code;
    return 0;
}

}  // namespace pos
