#include "login/ui/pwdmodi.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QValidator>

#include "common/ui/inputValidator.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "login/loginLogic.h"
#include "platform/ui/dialogKeys.h"

namespace pos {

namespace {

QLineEdit* passwordBox(QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setEchoMode(QLineEdit::Password);
    return e;
}
}  // namespace

TF_PwdModi::TF_PwdModi(PosContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setWindowTitle("修改密码");
    aname = new QLabel(this);
    tOldPwd = passwordBox(this);
    tnewpwd = passwordBox(this);
    tnewpwd2 = passwordBox(this);
    auto* refuse = new RefusedCharacters(this);
    tnewpwd->setValidator(refuse);
    tnewpwd2->setValidator(refuse);
    btnOK = new QPushButton("修改(F5)", this);
    btnExit = new QPushButton("退出(Esc)", this);
    btnOK->setAutoDefault(false);
    btnExit->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow("操  作  员：", aname);
    form->addRow("当前密码：", tOldPwd);
    form->addRow("新 密  码：", tnewpwd);
    form->addRow("再次输入新密码：", tnewpwd2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TF_PwdModi::confirm);
    connect(btnExit, &QPushButton::clicked, this, &TF_PwdModi::reject);
    for (QWidget* w : {static_cast<QWidget*>(tOldPwd), static_cast<QWidget*>(tnewpwd),
                       static_cast<QWidget*>(tnewpwd2), static_cast<QWidget*>(btnOK),
                       static_cast<QWidget*>(btnExit)})
        w->installEventFilter(this);
}

void TF_PwdModi::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    aname->setText(QString::fromStdString(ctx_.session.operatorName));
    tOldPwd->clear();
    tnewpwd->clear();
    tnewpwd2->clear();
    tOldPwd->setFocus();
}

void TF_PwdModi::confirm() {
    if (changePassword(ctx_, tOldPwd->text().toStdString(), tnewpwd->text().toStdString(),
                       tnewpwd2->text().toStdString()))
        accept();
}

bool TF_PwdModi::eventFilter(QObject* watched, QEvent* event) {
    if (handleDialogKey(*this, event, [this] { confirm(); })) return true;
    return QDialog::eventFilter(watched, event);
}

}  // namespace pos
