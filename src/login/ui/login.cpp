#include "login/ui/login.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "app/makerInfo.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "login/loginLogic.h"
#include "platform/ui/dialogKeys.h"
#include "platform/ui/windowPlacement.h"
#include "sales/ui/skinApplier.h"

namespace pos {

namespace {
// The dialog's picture: a key over a round badge, drawn here.
QPixmap badge(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(20, 120, 160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(pm.rect().adjusted(2, 2, -2, -2));
    p.setPen(QPen(Qt::white, size / 12.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(size * 0.38, size * 0.42), size * 0.14, size * 0.14);
    p.drawLine(QPointF(size * 0.48, size * 0.52), QPointF(size * 0.72, size * 0.76));
    p.drawLine(QPointF(size * 0.62, size * 0.66), QPointF(size * 0.70, size * 0.58));
    return pm;
}
}  // namespace

TF_Login::TF_Login(PosContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    comAdmin = new QComboBox(this);
    comAdmin->setEditable(false);
    comAdmin->setMinimumWidth(200);
    tpwd = new QLineEdit(this);
    tpwd->setEchoMode(QLineEdit::Password);
    lMsg = new QLabel(this);
    lMsg->setStyleSheet("color: #c0392b;");
    btnOK = new QPushButton("确定(F5)", this);
    btnCancel = new QPushButton("取消(Esc)", this);
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto* picture = new QLabel(this);
    picture->setPixmap(badge(72));
    auto* title = new QLabel(QString(kProductTitle), this);
    QFont tf = title->font();
    tf.setPointSize(15);
    tf.setBold(true);
    title->setFont(tf);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel("操作员：", this), 0, 0);
    form->addWidget(comAdmin, 0, 1);
    form->addWidget(new QLabel("密  码：", this), 1, 0);
    form->addWidget(tpwd, 1, 1);
    form->addWidget(lMsg, 2, 1);
    auto* head = new QHBoxLayout;
    head->addWidget(picture);
    head->addWidget(title, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* all = new QVBoxLayout(this);
    all->addLayout(head);
    all->addLayout(form);
    all->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TF_Login::confirm);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Login::reject);
    connect(comAdmin, &QComboBox::currentIndexChanged, this, &TF_Login::operatorChanged);
    // The window sees every key before the focused control.
    for (QWidget* w : {static_cast<QWidget*>(comAdmin), static_cast<QWidget*>(tpwd),
                       static_cast<QWidget*>(btnOK), static_cast<QWidget*>(btnCancel)})
        w->installEventFilter(this);
}

void TF_Login::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    setWindowTitle(QString(kMaker.shortestName) + kProductTitle + " ---- 操作员登录");
    btnOK->setEnabled(true);
    operators_ = loginOperators(ctx_);
    comAdmin->blockSignals(true);
    comAdmin->clear();
    for (const ComboItem& item : operators_) comAdmin->addItem(QString::fromStdString(item.text));
    comAdmin->setCurrentIndex(operators_.empty() ? -1 : 0);
    comAdmin->blockSignals(false);
    operatorChanged();
    tpwd->clear();
    tpwd->setFocus();
    ctx_.session.loginAccepted.clear();
    centerOnScreen(*this);
}

void TF_Login::operatorChanged() {
    lMsg->setText(
        QString::fromStdString(passwordHint(ctx_, comAdmin->currentText().toStdString())));
}

void TF_Login::confirm() {
    if (!btnOK->isEnabled()) return;
    if (!acceptLogin(ctx_, comAdmin->currentText().toStdString(), tpwd->text().toStdString())) {
        tpwd->clear();
        tpwd->setFocus();
        return;
    }
    btnOK->setEnabled(false);
    applyOperatorSkin(ctx_);
    accept();
}

bool TF_Login::eventFilter(QObject* watched, QEvent* event) {
    if (handleDialogKey(
            *this, event, [this] { confirm(); }, EnterKey::Confirm))
        return true;
    return QDialog::eventFilter(watched, event);
}

}  // namespace pos
