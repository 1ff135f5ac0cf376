#include "common/ui/dateRangeMenu.h"

#include <QDate>
#include <QDateEdit>
#include <QToolButton>

#include "platform/clock.h"

namespace pos {

namespace {
QDate toDate(const std::string& text) {
    return QDate::fromString(QString::fromStdString(text), QStringLiteral("yyyy-MM-dd"));
}
}  // namespace

QMenu* makeDateRangeMenu(QWidget* parent, const Clock& clock,
                         std::function<void(const DatePair&)> picked) {
    auto* menu = new QMenu(parent);
    for (const DateRangeEntry& entry : kDateRangeEntries) {
        const DateRange range = entry.range;
        menu->addAction(QString::fromUtf8(entry.caption),
                        [&clock, range, picked] { picked(datesOf(range, clock)); });
    }
    return menu;
}

QMenu* attachDateRangeMenu(QToolButton& button, const Clock& clock,
                           std::function<void(const DatePair&)> picked) {
    QMenu* menu = makeDateRangeMenu(&button, clock, std::move(picked));
    button.setMenu(menu);
    button.setPopupMode(QToolButton::InstantPopup);
    return menu;
}

void setDateEdits(QDateEdit& from, QDateEdit& to, const DatePair& dates) {
    from.setDate(toDate(dates.from));
    to.setDate(toDate(dates.to));
}

std::string dateText(const QDateEdit& edit) {
    return edit.date().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

}  // namespace pos
