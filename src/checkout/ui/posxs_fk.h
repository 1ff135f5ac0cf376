#pragma once
// The payment window: the amount due split over six tenders and a
// rounding-off, the change, a remark and the customer's optical data; saving
// posts the sale.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "checkout/payment.h"
#include "checkout/salePosting.h"

namespace pos {

struct PosContext;
class CurrencyEdit;

class TF_Posxs_Fk : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Posxs_Fk(PosContext& ctx, QWidget* parent = nullptr);

    // What the sales screen shows of the sale; the next opening and the save read it.
    void setSale(const PaymentContext& sale);
    const PaymentContext& sale() const { return sale_; }

    // How the sales screen pays: settleToken "1", the window modally, then
    // settleToken cleared. True when the sale was posted; the sales screen then
    // starts a new sale, even when printing failed.
    bool settle(const PaymentContext& sale);
    // True once the last save of this opening has posted the sale.
    bool posted() const { return posted_; }

    // Posts the sale; the save reports an error it throws and lets the cashier
    // try again (nothing was written).
    std::function<void(PosContext&, const SaleToPost&)> posting = postSale;
    // Called after a posted sale: the receipt when chkXp is ticked (document
    // number, copies), the spectacles order slip when chkPjd is ticked. They do
    // nothing until the receipts are wired in.
    std::function<void(const std::string& number, int copies)> printReceipt;
    std::function<void(const std::string& number)> printOpticalSlip;

    const Payment& payment() const { return payment_; }

    QLabel* yfje;          // amount due
    CurrencyEdit* tfkje;   // cash
    CurrencyEdit* tczk;    // stored-value card
    CurrencyEdit* tyhk;    // bank card
    CurrencyEdit* tdjq;    // medical-insurance card
    CurrencyEdit* twxje;   // WeChat
    CurrencyEdit* tzfbje;  // Alipay
    CurrencyEdit* tmlje;   // rounding-off
    CurrencyEdit* tmlje2;  // the operator's rounding-off limit (hidden)
    QLineEdit* tnote;      // remark
    QLabel* zhje;          // member's balance
    QLabel* zlje;          // change
    QCheckBox* chkXp;      // print the receipt
    CurrencyEdit* txp;     // receipt copies
    QCheckBox* chkPjd;     // print the spectacles order slip
    QCheckBox* chkLh;      // combined settlement
    QPushButton* btnSave;
    QPushButton* btnExit;

    QGroupBox* grpCustomer;  // 客户信息
    QLineEdit* pos_name;
    QLineEdit* pos_tele;
    QLineEdit* pos_qjz;
    QLineEdit* pos_qjy;
    QLineEdit* pos_zjz;
    QLineEdit* pos_zjy;
    QLineEdit* pos_zxz;
    QLineEdit* pos_zxy;
    QLineEdit* pos_jzslz;
    QLineEdit* pos_jzsly;
    QLineEdit* pos_tj;   // hidden
    QLineEdit* pos_add;  // hidden
    QLineEdit* pos_bz;
    QComboBox* comYt;  // purpose
    QDateEdit* tqjrq;  // pickup date

    // The save: checks, posting, printing (button and F5).
    void save();

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void open();
    bool handleKey(QEvent* event);
    std::optional<Tender> tenderOf(const QObject* watched) const;
    CurrencyEdit* tenderEdit(Tender t) const;
    std::array<QLineEdit*, 10> opticalEdits() const;
    CustomerEntry customerEntry() const;
    // The controls into the settlement before a rule or the save runs, and the
    // settlement back into the controls afterwards.
    void readControls();
    void showValues();
    bool post(const SaleToPost& sale);
    void print();
    void showError(const std::exception& e);

    PosContext& ctx_;
    PaymentContext sale_;
    Payment payment_;
    bool posted_ = false;
    bool saving_ = false;
    bool selectCashOnFocus_ = false;
};

}  // namespace pos
