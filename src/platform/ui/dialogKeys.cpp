#include "platform/ui/dialogKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace pos {

bool handleDialogKey(QDialog& dialog, QEvent* event, const std::function<void()>& confirm,
                     EnterKey enter) {
    if (event->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_F5:
            confirm();
            return true;
        case Qt::Key_Escape:
            dialog.reject();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (enter == EnterKey::Confirm) {
                confirm();
            } else {
                // As Tab would move it: the dialog's own focus chain.
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(&dialog, &tab);
            }
            return true;
        default:
            return false;
    }
}

}  // namespace pos
