#include "platform/ui/qtMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace pos {

namespace {
QString shown(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace("\r\n", "\n");
    return s;
}

QWidget* owner() { return QApplication::activeWindow(); }

Answer ask(const std::string& text, bool withCancel) {
    QMessageBox box(QMessageBox::Information, kAskCaption, shown(text), QMessageBox::NoButton,
                    owner());
    QPushButton* yes = box.addButton("是(&Y)", QMessageBox::YesRole);
    QPushButton* no = box.addButton("否(&N)", QMessageBox::NoRole);
    QPushButton* cancel = withCancel ? box.addButton("取消", QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (cancel && box.clickedButton() == cancel) return Answer::Cancel;
    return Answer::No;
}
}  // namespace

void QtMessages::inform(const std::string& text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
        kInformCaption, shown(text), QMessageBox::NoButton, owner());
    QPushButton* ok = box.addButton("确定", QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

Answer QtMessages::askYesNo(const std::string& text) { return ask(text, false); }

Answer QtMessages::askYesNoCancel(const std::string& text) { return ask(text, true); }

}  // namespace pos
