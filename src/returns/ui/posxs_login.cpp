#include "returns/ui/posxs_login.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "database/posContext.h"
#include "database/sessionState.h"
#include "platform/ui/dialogKeys.h"
#include "platform/ui/windowPlacement.h"

namespace pos {

TF_Posxs_Login::TF_Posxs_Login(PosContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setModal(true);
    setWindowTitle(kReturnAuthorisation);
    comAdmin = new QComboBox(this);
    comAdmin->setEditable(false);
    comAdmin->setMinimumWidth(180);
    tpwd = new QLineEdit(this);
    tpwd->setEchoMode(QLineEdit::Password);
    tpwd->setMaxLength(30);
    // The mask character is a style property; the platform's own would be a dot.
    tpwd->setStyleSheet("QLineEdit { lineedit-password-character: 42; }");
    btnOK = new QPushButton("确定(F5)", this);
    btnCancel = new QPushButton("取消(Esc)", this);
    // Enter is the window's own key; no button may take it as the default.
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel("用户名：", this), 0, 0, Qt::AlignRight);
    form->addWidget(comAdmin, 0, 1);
    form->addWidget(new QLabel("密  码：", this), 1, 0, Qt::AlignRight);
    form->addWidget(tpwd, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_Login::confirm);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Posxs_Login::reject);
    // The window sees every key before its controls.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

TF_Posxs_Login* TF_Posxs_Login::instanceFor(PosContext& ctx, QWidget* parent) {
    if (parent) {
        for (auto* w : parent->findChildren<TF_Posxs_Login*>(QString(), Qt::FindDirectChildrenOnly))
            if (&w->context() == &ctx) return w;
        return new TF_Posxs_Login(ctx, parent);
    }
    static QPointer<TF_Posxs_Login> unparented;
    if (!unparented || &unparented->context() != &ctx) {
        delete unparented.data();
        unparented = new TF_Posxs_Login(ctx);
    }
    return unparented;
}

void TF_Posxs_Login::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

bool TF_Posxs_Login::authorise(const std::string& caption) {
    setCaption(caption);
    exec();
    return !ctx_.session.supervisorName.empty();
}

void TF_Posxs_Login::showEvent(QShowEvent* e) {
    // Nobody has authorised until the password is accepted, however the window ends.
    clearSupervisor(ctx_.session);
    comAdmin->clear();
    for (const ComboItem& item : supervisorNames(ctx_))
        comAdmin->addItem(QString::fromStdString(item.text));
    comAdmin->setCurrentIndex(comAdmin->count() > 0 ? 0 : -1);
    tpwd->clear();
    centerOnScreen(*this);
    QDialog::showEvent(e);
    tpwd->setFocus();
}

void TF_Posxs_Login::confirm() {
    if (!isVisible()) return;
    if (!acceptSupervisor(ctx_, comAdmin->currentText().toStdString(),
                          tpwd->text().toStdString())) {
        tpwd->clear();
        tpwd->setFocus();
        return;
    }
    tpwd->clear();
    accept();
}

bool TF_Posxs_Login::eventFilter(QObject* watched, QEvent* event) {
    if (handleDialogKey(
            *this, event, [this] { confirm(); }, EnterKey::Confirm))
        return true;
    return QDialog::eventFilter(watched, event);
}

QtSupervisorPrompt::QtSupervisorPrompt(PosContext& ctx, QWidget* salesWindow)
    : ctx_(ctx), salesWindow_(salesWindow) {}

void QtSupervisorPrompt::ask(const std::string& caption) {
    TF_Posxs_Login::instanceFor(ctx_, salesWindow_)->authorise(caption);
}

}  // namespace pos
