#pragma once
// The date-range menu of the list dialogs: one action per range of
// common/dateRanges.h, in menu order; picking one hands its two dates to the
// dialog, which sets both date boxes and searches.
#include <QMenu>
#include <functional>

#include "common/dateRanges.h"

class QDateEdit;
class QToolButton;

namespace pos {

class Clock;

// A menu owned by `parent`; the dates are computed from the clock when an entry is picked.
QMenu* makeDateRangeMenu(QWidget* parent, const Clock& clock,
                         std::function<void(const DatePair&)> picked);

// Drops the menu down from `button` (a click anywhere on it opens the menu).
QMenu* attachDateRangeMenu(QToolButton& button, const Clock& clock,
                           std::function<void(const DatePair&)> picked);

// Sets two date boxes to a pair of "yyyy-MM-dd" dates.
void setDateEdits(QDateEdit& from, QDateEdit& to, const DatePair& dates);

// A date box's date as "yyyy-MM-dd".
std::string dateText(const QDateEdit& edit);

}  // namespace pos
