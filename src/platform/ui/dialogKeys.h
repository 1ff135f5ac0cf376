#pragma once
#include <QDialog>
#include <QEvent>
#include <functional>

namespace pos {

enum class EnterKey { NextField, Confirm };

// The terminal's dialog keys, seen by the window before its controls: F5
// confirms, Esc closes, Enter moves to the next field (or confirms). True when
// `event` was one of them and has been handled.
bool handleDialogKey(QDialog& dialog, QEvent* event, const std::function<void()>& confirm,
                     EnterKey enter = EnterKey::NextField);

}  // namespace pos
