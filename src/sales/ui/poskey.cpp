#include "sales/ui/poskey.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "database/posContext.h"
#include "platform/messages.h"
#include "platform/ui/windowPlacement.h"
#include "sales/ui/keyCodes.h"

namespace pos {

namespace {

constexpr int kRowsPerColumn = 6;

QLineEdit* keyField(const char* objectName, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(objectName);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignCenter);
    e->setFixedWidth(110);
    return e;
}

// Tab still moves between the fields; every other key press is the key being
// chosen and must not reach the field or the dialog (Esc would close it,
// Enter press 确定).
bool passesThroughField(const QKeyEvent* e) {
    return e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
}

}  // namespace

TF_PosKey::TF_PosKey(PosContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("TF_PosKey");
    setWindowTitle(QStringLiteral("快捷键设置"));
    setModal(true);

    tfk = keyField("tfk", this);
    txgzk = keyField("txgzk", this);
    txgsl = keyField("txgsl", this);
    tsc = keyField("tsc", this);
    tqq = keyField("tqq", this);
    txzhy = keyField("txzhy", this);
    tqx = keyField("tqx", this);
    tgd = keyField("tgd", this);
    tjg = keyField("tjg", this);
    tlltp = keyField("tlltp", this);
    tsj = keyField("tsj", this);
    tswzp = keyField("tswzp", this);
    fields_ = {tfk, txgzk, txgsl, tsc, tqq, txzhy, tqx, tgd, tjg, tlltp, tsj, tswzp};

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    for (size_t i = 0; i < fields_.size(); ++i) {
        const int row = static_cast<int>(i) % kRowsPerColumn;
        const int column = static_cast<int>(i) / kRowsPerColumn * 2;
        auto* label = new QLabel(QString::fromUtf8(kKeyFunctions[i]) + "：", this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(fields_[i]);
        grid->addWidget(label, row, column);
        grid->addWidget(fields_[i], row, column + 1);
        fields_[i]->installEventFilter(this);
    }

    btnStart = new QPushButton(QStringLiteral("单击该按钮开始设置快捷键"), this);
    btnStart->setObjectName("btnStart");
    lblNote = new QLabel(QStringLiteral("快捷键不能设置成数字键或字母键，请选用各功能键！\n"
                                        "(默认F5为“付款”的快捷键，上下方向键为选择记录键！)"),
                         this);
    lblNote->setObjectName("lblNote");
    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnOK->setObjectName("btnOK");
    btnExit = new QPushButton(QStringLiteral("退出"), this);
    btnExit->setObjectName("btnExit");
    // Enter is only ever a key being tried in a field, never a button press by accident.
    for (QPushButton* b : {btnStart, btnOK, btnExit}) b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    auto* all = new QVBoxLayout(this);
    all->addLayout(grid);
    all->addWidget(btnStart);
    all->addWidget(lblNote);
    all->addLayout(buttons);

    connect(btnStart, &QPushButton::clicked, this, &TF_PosKey::startSetting);
    connect(btnOK, &QPushButton::clicked, this, &TF_PosKey::confirm);
    connect(btnExit, &QPushButton::clicked, this, &TF_PosKey::reject);
}

void TF_PosKey::showEvent(QShowEvent* event) {
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setText(QString::fromStdString(functionKeyName(ctx_, kKeyFunctions[i])));
        fields_[i]->setEnabled(false);
    }
    centerOnScreen(*this);
    QDialog::showEvent(event);
}

void TF_PosKey::startSetting() {
    for (QLineEdit* f : fields_) f->setEnabled(true);
    fields_[0]->setFocus();
}

void TF_PosKey::confirm() {
    // Every key was saved when it was chosen; only the sales window is left to refresh.
    if (onConfirm) onConfirm();
    accept();
}

void TF_PosKey::keyReleased(size_t index, int code) {
    KeyAssignment result = assignKey(ctx_, kKeyFunctions[index], code);
    switch (result.outcome) {
        case KeyAssignment::Outcome::Refused:
            ctx_.messages.inform(result.message, MessageIcon::Information);
            break;
        case KeyAssignment::Outcome::Saved:
            fields_[index]->setText(QString::fromStdString(keyName(code)));
            break;
        case KeyAssignment::Outcome::Ignored:
            break;
    }
}

bool TF_PosKey::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    size_t index = 0;
    while (index < fields_.size() && fields_[index] != watched) ++index;
    if (index == fields_.size()) return QDialog::eventFilter(watched, event);

    auto* key = static_cast<QKeyEvent*>(event);
    if (passesThroughField(key)) return QDialog::eventFilter(watched, event);
    // Claim the key before a shortcut of the program can take it: it arrives as a press.
    key->accept();
    if (type == QEvent::KeyRelease && !key->isAutoRepeat())
        keyReleased(index, virtualKeyCode(key->key(), key->modifiers()));
    return true;
}

}  // namespace pos
