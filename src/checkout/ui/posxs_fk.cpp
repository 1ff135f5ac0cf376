#include "checkout/ui/posxs_fk.h"

#include <QCoreApplication>
#include <QDate>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "app/errorHandler.h"
#include "common/ui/currencyEdit.h"
#include "common/ui/numberFormatting.h"
#include "database/dbError.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/ui/dialogKeys.h"
#include "platform/ui/windowPlacement.h"

namespace pos {

namespace {

constexpr int kTenderLength = 10;
constexpr int kRoundingOffLength = 6;
constexpr int kCustomerTextLength = 32;
constexpr int kOpticalLength = 8;

QString qs(const std::string& text) { return QString::fromStdString(text); }
std::string text(const QLineEdit* edit) { return edit->text().toStdString(); }

CurrencyEdit* moneyEdit(QWidget* parent, int decimals, int maxLength) {
    auto* e = new CurrencyEdit(parent);
    e->setDecimals(decimals);
    e->setMaxLength(maxLength);
    return e;
}

QLineEdit* textEdit(QWidget* parent, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(maxLength);
    return e;
}

}  // namespace

TF_Posxs_Fk::TF_Posxs_Fk(PosContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setWindowTitle("付款");

    yfje = new QLabel(this);
    yfje->setStyleSheet("color: #c0392b; font-weight: bold; font-size: 22pt;");
    tfkje = moneyEdit(this, 2, kTenderLength);
    tczk = moneyEdit(this, 2, kTenderLength);
    tyhk = moneyEdit(this, 2, kTenderLength);
    tdjq = moneyEdit(this, 2, kTenderLength);
    twxje = moneyEdit(this, 2, kTenderLength);
    tzfbje = moneyEdit(this, 2, kTenderLength);
    tmlje = moneyEdit(this, 2, kRoundingOffLength);
    tmlje2 = moneyEdit(this, 2, kTenderLength);
    tmlje2->hide();
    tnote = textEdit(this, kCustomerTextLength);
    zhje = new QLabel(this);
    zlje = new QLabel(this);
    zlje->setStyleSheet("color: #c0392b; font-weight: bold; font-size: 14pt;");
    chkXp = new QCheckBox("打印小票(F4)", this);
    txp = moneyEdit(this, 0, 1);
    txp->setMaximumWidth(40);
    chkPjd = new QCheckBox("打印配镜单(F3)", this);
    chkLh = new QCheckBox("使用联合结账(F8)", this);
    btnSave = new QPushButton("确定(F5)", this);
    btnExit = new QPushButton("取消(Esc)", this);
    // Enter moves between the fields; no button may take it as the default.
    btnSave->setAutoDefault(false);
    btnExit->setAutoDefault(false);

    grpCustomer = new QGroupBox("客户信息", this);
    pos_name = textEdit(grpCustomer, kCustomerTextLength);
    pos_tele = textEdit(grpCustomer, kCustomerTextLength);
    pos_qjz = textEdit(grpCustomer, kOpticalLength);
    pos_qjy = textEdit(grpCustomer, kOpticalLength);
    pos_zjz = textEdit(grpCustomer, kOpticalLength);
    pos_zjy = textEdit(grpCustomer, kOpticalLength);
    pos_zxz = textEdit(grpCustomer, kOpticalLength);
    pos_zxy = textEdit(grpCustomer, kOpticalLength);
    pos_jzslz = textEdit(grpCustomer, kOpticalLength);
    pos_jzsly = textEdit(grpCustomer, kOpticalLength);
    pos_tj = textEdit(grpCustomer, kOpticalLength);
    pos_add = textEdit(grpCustomer, kOpticalLength);
    pos_bz = textEdit(grpCustomer, kCustomerTextLength);
    comYt = new QComboBox(grpCustomer);
    comYt->addItems({"", "近视", "远视", "两用", "多用", "其他"});
    tqjrq = new QDateEdit(grpCustomer);
    tqjrq->setDisplayFormat("yyyy-MM-dd");
    tqjrq->setCalendarPopup(true);

    // Tenders and totals.
    auto* money = new QGridLayout;
    money->addWidget(new QLabel("应付金额：", this), 0, 0, Qt::AlignRight);
    money->addWidget(yfje, 0, 1, 1, 3);
    auto pair = [&](int row, int column, const char* label, QWidget* field) {
        money->addWidget(new QLabel(label, this), row, column, Qt::AlignRight);
        money->addWidget(field, row, column + 1);
    };
    pair(1, 0, "现金金额：", tfkje);
    pair(1, 2, "储值卡：", tczk);
    pair(2, 0, "银行卡：", tyhk);
    pair(2, 2, "医保卡：", tdjq);
    pair(3, 0, "微信：", twxje);
    pair(3, 2, "支付宝：", tzfbje);
    pair(4, 0, "抹零金额：", tmlje);
    pair(4, 2, "账户余额：", zhje);
    pair(5, 0, "找零金额：", zlje);
    money->addWidget(new QLabel("单据备注：", this), 6, 0, Qt::AlignRight);
    money->addWidget(tnote, 6, 1, 1, 3);
    money->setColumnMinimumWidth(1, 150);
    money->setColumnMinimumWidth(3, 150);

    auto* options = new QHBoxLayout;
    options->addWidget(chkXp);
    options->addWidget(txp);
    options->addWidget(new QLabel("份", this));
    options->addSpacing(12);
    options->addWidget(chkPjd);
    options->addSpacing(12);
    options->addWidget(chkLh);
    options->addStretch();

    // Customer and optical data: left and right eye side by side.
    auto* customer = new QGridLayout(grpCustomer);
    auto field = [&](int row, int column, const char* label, QWidget* w) {
        auto* caption = new QLabel(label, grpCustomer);
        customer->addWidget(caption, row, column, Qt::AlignRight);
        customer->addWidget(w, row, column + 1);
        return caption;
    };
    field(0, 0, "客户名称：", pos_name);
    field(0, 2, "联系电话：", pos_tele);
    field(1, 0, "球镜(左)：", pos_qjz);
    field(1, 2, "球镜(右)：", pos_qjy);
    field(2, 0, "柱镜(左)：", pos_zjz);
    field(2, 2, "柱镜(右)：", pos_zjy);
    field(3, 0, "轴向(左)：", pos_zxz);
    field(3, 2, "轴向(右)：", pos_zxy);
    field(4, 0, "矫正视力(左)：", pos_jzslz);
    field(4, 2, "矫正视力(右)：", pos_jzsly);
    // Pupil distance and addition travel with the sale but are not shown.
    QLabel* tjLabel = field(5, 0, "瞳距：", pos_tj);
    QLabel* addLabel = field(5, 2, "ADD：", pos_add);
    for (QWidget* w : {static_cast<QWidget*>(tjLabel), static_cast<QWidget*>(pos_tj),
                       static_cast<QWidget*>(addLabel), static_cast<QWidget*>(pos_add)})
        w->hide();
    field(6, 0, "用途：", comYt);
    field(6, 2, "取镜日期：", tqjrq);
    customer->addWidget(new QLabel("备注：", grpCustomer), 7, 0, Qt::AlignRight);
    customer->addWidget(pos_bz, 7, 1, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);

    auto* all = new QVBoxLayout(this);
    all->addLayout(money);
    all->addLayout(options);
    all->addWidget(grpCustomer);
    all->addLayout(buttons);

    // Enter walks the tenders, the remark, the customer data, the options and
    // the buttons. A save disabling btnSave hands the focus to btnExit, never
    // to a tender field, whose entry would move the amount due.
    const QList<QWidget*> chain = {
        tfkje,    tczk,    tyhk,    tdjq,    twxje,   tzfbje,  tmlje,   tnote,     pos_name,
        pos_tele, pos_qjz, pos_qjy, pos_zjz, pos_zjy, pos_zxz, pos_zxy, pos_jzslz, pos_jzsly,
        pos_bz,   comYt,   tqjrq,   chkXp,   txp,     chkPjd,  chkLh,   btnSave,   btnExit};
    for (int i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);

    connect(btnSave, &QPushButton::clicked, this, &TF_Posxs_Fk::save);
    connect(btnExit, &QPushButton::clicked, this, &TF_Posxs_Fk::reject);

    // The window handles its keys before any of its controls does.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void TF_Posxs_Fk::setSale(const PaymentContext& sale) { sale_ = sale; }

bool TF_Posxs_Fk::settle(const PaymentContext& sale) {
    setSale(sale);
    ctx_.session.settleToken = "1";
    exec();
    ctx_.session.settleToken.clear();
    return posted_;
}

std::array<QLineEdit*, 10> TF_Posxs_Fk::opticalEdits() const {
    return {pos_qjz, pos_qjy,   pos_zjz,   pos_zjy, pos_zxz,
            pos_zxy, pos_jzslz, pos_jzsly, pos_tj,  pos_add};
}

CurrencyEdit* TF_Posxs_Fk::tenderEdit(Tender t) const {
    const std::array<CurrencyEdit*, kTenderCount> edits = {tfkje, tczk, tyhk, tdjq, twxje, tzfbje};
    return edits[static_cast<size_t>(t)];
}

std::optional<Tender> TF_Posxs_Fk::tenderOf(const QObject* watched) const {
    for (int i = 0; i < kTenderCount; ++i)
        if (watched == tenderEdit(static_cast<Tender>(i))) return static_cast<Tender>(i);
    return std::nullopt;
}

void TF_Posxs_Fk::showEvent(QShowEvent* e) {
    // Every opening starts afresh; a window restored from the task bar keeps its values.
    if (!e->spontaneous()) {
        open();
        centerOnScreen(*this);
    }
    QDialog::showEvent(e);
}

void TF_Posxs_Fk::open() {
    posted_ = false;
    saving_ = false;
    payment_.open(ctx_, sale_.total);  // its tenderUpdating holds until the end

    pos_name->setText(qs(sale_.memberName));
    pos_tele->setText(qs(sale_.memberMobile));
    const std::array<QLineEdit*, 10> optical = opticalEdits();
    for (size_t i = 0; i < optical.size(); ++i) optical[i]->setText(qs(sale_.optical[i]));
    comYt->setCurrentIndex(0);
    const LocalDateTime now = ctx_.clock.now();
    tqjrq->setDate(QDate(now.year, now.month, now.day).addDays(7));
    pos_bz->clear();
    btnSave->setEnabled(true);
    chkLh->setChecked(false);
    tnote->clear();

    // The shop's price decimals and pattern; the lengths stay the window's own.
    for (CurrencyEdit* e : {tmlje, tyhk, tdjq, twxje, tzfbje, tfkje, tczk}) {
        setPriceEditFormat(*e, ctx_.params);
        e->setMaxLength(e == tmlje ? kRoundingOffLength : kTenderLength);
    }
    yfje->setText(qs(payment_.amountDue));
    zhje->setText(qs(payment_.balance));
    zlje->setText(qs(payment_.change));
    for (int i = 0; i < kTenderCount; ++i)
        tenderEdit(static_cast<Tender>(i))->setValue(payment_.tenders[static_cast<size_t>(i)]);
    tmlje->setValue(payment_.roundingOff);
    tczk->setEnabled(payment_.cardEnabled);
    tmlje2->setValue(payment_.roundingOffLimit);

    // Without the setting the box keeps what the cashier chose last time.
    if (payment_.receipt.print) chkXp->setChecked(true);
    txp->setValue(payment_.receipt.copies);
    txp->setEnabled(true);

    tfkje->setFocus();
    tfkje->selectAll();
    // The field shows its text again when the window becomes active: select it then.
    selectCashOnFocus_ = true;
    payment_.finishOpening();
}

void TF_Posxs_Fk::readControls() {
    for (int i = 0; i < kTenderCount; ++i)
        payment_.tenders[static_cast<size_t>(i)] = tenderEdit(static_cast<Tender>(i))->value();
    payment_.roundingOff = tmlje->value();
    payment_.combined = chkLh->isChecked();
}

void TF_Posxs_Fk::showValues() {
    // Only what changed: rewriting the field being typed in would lose a
    // half-typed "12." and move the cursor.
    for (int i = 0; i < kTenderCount; ++i) {
        CurrencyEdit* e = tenderEdit(static_cast<Tender>(i));
        const double v = payment_.tenders[static_cast<size_t>(i)];
        if (e->value() != v) e->setValue(v);
    }
    if (tmlje->value() != payment_.roundingOff) tmlje->setValue(payment_.roundingOff);
    zlje->setText(qs(payment_.change));
}

CustomerEntry TF_Posxs_Fk::customerEntry() const {
    CustomerEntry c;
    c.name = text(pos_name);
    c.phone = text(pos_tele);
    const std::array<QLineEdit*, 10> optical = opticalEdits();
    for (size_t i = 0; i < optical.size(); ++i) c.optical[i] = text(optical[i]);
    c.remark = text(pos_bz);
    c.purpose = comYt->currentText().toStdString();
    c.pickupDate = tqjrq->date().toString("yyyy-MM-dd").toStdString();
    return c;
}

bool TF_Posxs_Fk::handleKey(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_F3:
            chkPjd->toggle();
            return true;
        case Qt::Key_F4:
            chkXp->toggle();
            // As a shortcut would: the copies selected, so one digit replaces them.
            txp->setFocus(Qt::ShortcutFocusReason);
            return true;
        case Qt::Key_F8:
            chkLh->toggle();
            return true;
        default:
            return handleDialogKey(*this, event, [this] { save(); });
    }
}

bool TF_Posxs_Fk::eventFilter(QObject* watched, QEvent* event) {
    if (handleKey(event)) return true;
    const std::optional<Tender> tender = tenderOf(watched);
    if (event->type() == QEvent::FocusIn && tender) {
        if (watched == tfkje && selectCashOnFocus_) {
            selectCashOnFocus_ = false;
            QTimer::singleShot(0, tfkje, [this] { tfkje->selectAll(); });
        }
        // Only the cashier entering the field counts: not the focus the dialog
        // hands out while it is being shown, not the window becoming active
        // again (after a message box, say), not a context menu closing.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (isActiveWindow() && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason) {
            readControls();
            payment_.enterTender(*tender);
            showValues();
        }
    } else if (event->type() == QEvent::KeyRelease && (tender || watched == tmlje)) {
        readControls();
        if (tender)
            payment_.editTender(*tender);
        else
            payment_.editRoundingOff();
        showValues();
    }
    return QDialog::eventFilter(watched, event);
}

void TF_Posxs_Fk::save() {
    readControls();
    const std::optional<std::string> remarkStart =
        payment_.confirmSave(ctx_, btnSave->isEnabled(), sale_.memberNumber);
    if (!remarkStart) return;
    // What passed the checks is what is posted, whatever is typed meanwhile.
    const SaleToPost sale = payment_.saleToPost(sale_, customerEntry(), *remarkStart, text(tnote));

    saving_ = true;
    btnSave->setEnabled(false);
    // Shows the disabled button; a second F5 waiting in the queue now does nothing.
    QCoreApplication::processEvents();
    if (ctx_.session.settleToken == "1") ctx_.session.settleToken.clear();

    const bool ok = post(sale);
    saving_ = false;
    if (!ok) {
        // The posting rolled back: the cashier may try again.
        btnSave->setEnabled(true);
        ctx_.session.settleToken = "1";
        return;
    }
    posted_ = true;
    accept();
    print();
}

bool TF_Posxs_Fk::post(const SaleToPost& sale) {
    try {
        posting(ctx_, sale);
        return true;
    } catch (const DbError& e) {
        // A store that cannot be used at all ends the run in the application's handler.
        if (reactToError(e.what()).endProgram) throw;
        showError(e);
    } catch (const std::exception& e) {
        showError(e);
    }
    return false;
}

void TF_Posxs_Fk::print() {
    // The sale is posted: a printing error is shown and the sale still counts as paid.
    const std::string number = sale_.number;
    auto reported = [this](const std::function<void()>& job) {
        try {
            job();
        } catch (const std::exception& e) {
            showError(e);
        }
    };
    if (chkXp->isEnabled() && chkXp->isChecked() && printReceipt)
        reported([&] { printReceipt(number, static_cast<int>(std::trunc(txp->value()))); });
    if (chkPjd->isChecked() && printOpticalSlip) reported([&] { printOpticalSlip(number); });
}

void TF_Posxs_Fk::showError(const std::exception& e) {
    // The store's own messages as the application's handler shows them.
    if (dynamic_cast<const DbError*>(&e))
        ctx_.messages.inform(reactToError(e.what()).text, MessageIcon::None);
    else
        ctx_.messages.inform(e.what());
}

void TF_Posxs_Fk::reject() {
    // Not while a save is posting: the sale would be posted behind a closed window.
    if (saving_) return;
    QDialog::reject();
}

}  // namespace pos
