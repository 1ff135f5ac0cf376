#pragma once
// Qt's keys as the Windows virtual-key codes the store keeps for shortcut keys.
#include <Qt>

namespace pos {

// The virtual-key code of a Qt key; 0 for a key the terminal has no code for.
// Only the keypad flag of `modifiers` matters: it tells the keypad's + - / *
// and digits from the main keyboard's.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace pos
