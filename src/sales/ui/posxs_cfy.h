#pragma once
// Registration of the buyer of narcotic-containing or prescription goods, with
// the optional sign-off of a pharmacist.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "sales/lineChecks.h"

namespace pos {

struct PosContext;

class TF_Posxs_Cfy : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Posxs_Cfy(PosContext& ctx, QWidget* parent = nullptr);

    QLineEdit* txm;      // buyer's name
    QLineEdit* tcardno;  // identity card number
    QLineEdit* tcfhm;    // prescription number
    QLineEdit* taddr;    // address
    QLineEdit* tmobile;  // mobile number
    QLineEdit* tyaoshi;  // pharmacist's login name
    QLineEdit* tyspwd;   // pharmacist's password
    QLabel* lblYaoshi;
    QLabel* lblYspwd;
    QCheckBox* chkYs;  // pharmacist review
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // What is typed now, as typed.
    BuyerRegistration typed() const;
    void confirm();

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPharmacist(bool shown);

    PosContext& ctx_;
};

// The registration window of the sales screen: created on the first restricted
// line and kept for the run, so the review setting stays as the cashier left it.
class QtRegistrationPrompt : public RegistrationPrompt {
  public:
    QtRegistrationPrompt(PosContext& ctx, QWidget* salesWindow);
    ~QtRegistrationPrompt() override;
    QtRegistrationPrompt(const QtRegistrationPrompt&) = delete;
    QtRegistrationPrompt& operator=(const QtRegistrationPrompt&) = delete;

    BuyerRegistration ask() override;
    // The window once ask() has created it.
    TF_Posxs_Cfy* window() const { return window_; }

  private:
    PosContext& ctx_;
    QPointer<QWidget> salesWindow_;
    QPointer<TF_Posxs_Cfy> window_;
};

}  // namespace pos
