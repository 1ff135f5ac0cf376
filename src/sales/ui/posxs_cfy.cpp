#include "sales/ui/posxs_cfy.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "database/posContext.h"
#include "platform/messages.h"
#include "platform/ui/dialogKeys.h"
#include "platform/ui/windowPlacement.h"

namespace pos {

namespace {
QLineEdit* edit(QWidget* parent, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(maxLength);
    return e;
}
}  // namespace

TF_Posxs_Cfy::TF_Posxs_Cfy(PosContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setWindowTitle("处方药信息登记");
    txm = edit(this, 16);
    tcardno = edit(this, 32);
    tcfhm = edit(this, 32);
    taddr = edit(this, 32);
    tmobile = edit(this, 32);
    tyaoshi = edit(this, 32);
    tyspwd = edit(this, 32);
    tyspwd->setEchoMode(QLineEdit::Password);
    // The mask character is a style property; the platform's own would be a dot.
    tyspwd->setStyleSheet("QLineEdit { lineedit-password-character: 42; }");
    lblYaoshi = new QLabel("药师：", this);
    lblYspwd = new QLabel("密码：", this);
    chkYs = new QCheckBox("启用药师审核", this);
    btnOK = new QPushButton("确定(F5)", this);
    btnCancel = new QPushButton("退出(Esc)", this);
    // Enter moves between the fields; no button may take it as the default.
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto* grid = new QGridLayout;
    int row = 0;
    auto add = [&](QLabel* label, QWidget* field) {
        grid->addWidget(label, row, 0, Qt::AlignRight);
        grid->addWidget(field, row, 1);
        ++row;
    };
    add(new QLabel("购买人姓名：", this), txm);
    add(new QLabel("身份证号码：", this), tcardno);
    add(new QLabel("处方号码：", this), tcfhm);
    add(new QLabel("住址：", this), taddr);
    add(new QLabel("手机号码：", this), tmobile);
    grid->addWidget(chkYs, row++, 1);
    add(lblYaoshi, tyaoshi);
    add(lblYspwd, tyspwd);
    grid->setColumnMinimumWidth(1, 240);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* all = new QVBoxLayout(this);
    all->addLayout(grid);
    all->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_Cfy::confirm);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Posxs_Cfy::reject);
    connect(chkYs, &QCheckBox::toggled, this, &TF_Posxs_Cfy::showPharmacist);

    // The window handles its keys before any of its controls does.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    showPharmacist(false);
}

BuyerRegistration TF_Posxs_Cfy::typed() const {
    return {txm->text().toStdString(),     tcardno->text().toStdString(),
            tcfhm->text().toStdString(),   taddr->text().toStdString(),
            tmobile->text().toStdString(), tyaoshi->text().toStdString()};
}

void TF_Posxs_Cfy::showPharmacist(bool shown) {
    for (QWidget* w : {static_cast<QWidget*>(lblYaoshi), static_cast<QWidget*>(tyaoshi),
                       static_cast<QWidget*>(lblYspwd), static_cast<QWidget*>(tyspwd)})
        w->setVisible(shown);
}

void TF_Posxs_Cfy::showEvent(QShowEvent* e) {
    for (QLineEdit* field : {txm, tcardno, tcfhm, taddr, tmobile, tyaoshi, tyspwd}) field->clear();
    // The review setting is kept from the last registration of the run.
    showPharmacist(chkYs->isChecked());
    centerOnScreen(*this);
    QDialog::showEvent(e);
    txm->setFocus();
}

void TF_Posxs_Cfy::confirm() {
    if (chkYs->isChecked()) {
        const std::string refused =
            checkPharmacist(ctx_, tyaoshi->text().toStdString(), tyspwd->text().toStdString());
        if (!refused.empty()) {
            ctx_.messages.inform(refused);
            return;
        }
    }
    accept();
}

bool TF_Posxs_Cfy::eventFilter(QObject* watched, QEvent* event) {
    if (handleDialogKey(*this, event, [this] { confirm(); })) return true;
    return QDialog::eventFilter(watched, event);
}

QtRegistrationPrompt::QtRegistrationPrompt(PosContext& ctx, QWidget* salesWindow)
    : ctx_(ctx), salesWindow_(salesWindow) {}

QtRegistrationPrompt::~QtRegistrationPrompt() {
    // A window without a sales window to own it belongs to the prompt.
    if (window_ && !window_->parent()) delete window_.data();
}

BuyerRegistration QtRegistrationPrompt::ask() {
    if (!window_) window_ = new TF_Posxs_Cfy(ctx_, salesWindow_);
    window_->exec();
    // Whatever the way out: the lines are added, with what was typed.
    return window_->typed();
}

}  // namespace pos
