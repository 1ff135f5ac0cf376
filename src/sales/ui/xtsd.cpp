#include "sales/ui/xtsd.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "database/posContext.h"
#include "database/sessionState.h"
#include "platform/ui/windowPlacement.h"
#include "sales/screenLock.h"

namespace pos {

namespace {

constexpr int kWidth = 504;
constexpr int kHeight = 294;

// The lock paints its own picture, so its labels stay legible whatever the skin.
constexpr const char* kLockSheet =
    "QLabel { color: #ffffff; background: transparent; }"
    "QLabel#lblName { font-weight: bold; }"
    "QLineEdit#edtPassword { lineedit-password-character: 42; }";

enum class LockKey { None, Swallow, Unlock };

LockKey classify(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_F4:      // with any modifier: Alt+F4 must not close the lock
        case Qt::Key_Escape:  // would reject the dialog
            return LockKey::Swallow;
        case Qt::Key_F5:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return LockKey::Unlock;
        default:
            return LockKey::None;
    }
}

}  // namespace

TF_Xtsd::TF_Xtsd(PosContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ctx_(ctx) {
    setObjectName("TF_Xtsd");
    setWindowTitle(QStringLiteral("屏幕已锁定"));
    setModal(true);
    setFixedSize(kWidth, kHeight);

    auto* lblUser = new QLabel(QStringLiteral("用户名："), this);
    lblName_ = new QLabel(this);
    lblName_->setObjectName("lblName");
    auto* lblPassword = new QLabel(QStringLiteral("密  码："), this);
    edtPassword_ = new QLineEdit(this);
    edtPassword_->setObjectName("edtPassword");
    edtPassword_->setEchoMode(QLineEdit::Password);
    edtPassword_->setMaxLength(30);
    btnUnlock_ = new QPushButton(QStringLiteral("解    锁(F5)"), this);
    btnUnlock_->setObjectName("btnUnlock");
    // Enter is the lock's own key; the button must not also fire as the default.
    btnUnlock_->setAutoDefault(false);
    btnUnlock_->setDefault(false);

    auto* grid = new QGridLayout(this);
    // The left part and the top belong to the painted lock and title.
    grid->setContentsMargins(190, 100, 40, 36);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(14);
    grid->addWidget(lblUser, 0, 0);
    grid->addWidget(lblName_, 0, 1);
    grid->addWidget(lblPassword, 1, 0);
    grid->addWidget(edtPassword_, 1, 1);
    grid->addWidget(btnUnlock_, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);

    connect(btnUnlock_, &QPushButton::clicked, this, &TF_Xtsd::unlock);
    // Set once the children exist and are named: the password box takes its
    // mask character only when its style changes.
    setStyleSheet(kLockSheet);

    watchKeys(this);
    for (QWidget* w : findChildren<QWidget*>()) watchKeys(w);
}

void TF_Xtsd::watchKeys(QObject* object) { object->installEventFilter(this); }

TF_Xtsd* TF_Xtsd::instanceFor(PosContext& ctx, QWidget* parent) {
    if (parent) {
        for (auto* lock : parent->findChildren<TF_Xtsd*>(QString(), Qt::FindDirectChildrenOnly))
            if (&lock->context() == &ctx) return lock;
        return new TF_Xtsd(ctx, parent);
    }
    static QPointer<TF_Xtsd> unparented;
    if (!unparented || &unparented->context() != &ctx) {
        delete unparented.data();
        unparented = new TF_Xtsd(ctx);
    }
    return unparented;
}

void TF_Xtsd::lockScreen() { exec(); }

void suoJi(PosContext& ctx, QWidget* parent) { TF_Xtsd::instanceFor(ctx, parent)->lockScreen(); }

void TF_Xtsd::unlock() {
    if (tryUnlock(ctx_, edtPassword_->text().toStdString())) {
        unlocked_ = true;
        edtPassword_->clear();
        accept();
        return;
    }
    edtPassword_->clear();
    edtPassword_->setFocus();
}

void TF_Xtsd::reject() {
    // Esc and every other way of dismissing the dialog end here: only unlock() opens it.
    if (unlocked_) QDialog::reject();
}

bool TF_Xtsd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    LockKey kind = classify(key);
    if (kind == LockKey::None) return QDialog::eventFilter(watched, event);
    // Claim the key before any shortcut of the program can take it.
    event->accept();
    if (event->type() == QEvent::KeyPress && kind == LockKey::Unlock && isVisible()) unlock();
    return true;
}

void TF_Xtsd::showEvent(QShowEvent* event) {
    unlocked_ = false;
    lblName_->setText(QString::fromStdString(ctx_.session.operatorName));
    edtPassword_->clear();
    centerOnScreen(*this);
    QDialog::showEvent(event);
    activateWindow();
    edtPassword_->setFocus();
}

void TF_Xtsd::closeEvent(QCloseEvent* event) {
    if (unlocked_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void TF_Xtsd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient bg(0, 0, width(), height());
    bg.setColorAt(0.0, QColor(0x1f, 0x3b, 0x63));
    bg.setColorAt(1.0, QColor(0x2f, 0x7d, 0x9a));
    p.fillRect(rect(), bg);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    // The padlock: shackle, body and keyhole.
    QPainterPath shackle;
    shackle.moveTo(74, 128);
    shackle.lineTo(74, 100);
    shackle.arcTo(QRectF(74, 70, 52, 60), 180, -180);
    shackle.lineTo(126, 128);
    p.setPen(QPen(QColor(0xe8, 0xee, 0xf4), 12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shackle);

    QLinearGradient metal(0, 122, 0, 204);
    metal.setColorAt(0.0, QColor(0xf6, 0xd3, 0x65));
    metal.setColorAt(1.0, QColor(0xd8, 0x9b, 0x2b));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(52, 122, 96, 82), 12, 12);

    p.setBrush(QColor(0x3a, 0x2a, 0x10));
    p.drawEllipse(QPointF(100, 152), 10, 10);
    QPainterPath slot;
    slot.moveTo(95, 156);
    slot.lineTo(105, 156);
    slot.lineTo(108, 182);
    slot.lineTo(92, 182);
    slot.closeSubpath();
    p.drawPath(slot);

    QFont title = font();
    title.setPointSizeF(title.pointSizeF() > 0 ? title.pointSizeF() * 1.9 : 20);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xff, 0xff, 0xff));
    p.drawText(QRect(190, 30, width() - 220, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("屏幕已锁定"));
}

}  // namespace pos
