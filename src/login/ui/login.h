#pragma once
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/comboLists.h"

namespace pos {

struct PosContext;

// The operator login. Accepted: the session holds the operator. Closed any
// other way: the caller ends the program.
class TF_Login : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Login(PosContext& ctx, QWidget* parent = nullptr);

    QComboBox* comAdmin;
    QLineEdit* tpwd;
    QLabel* lMsg;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    void confirm();

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void operatorChanged();

    PosContext& ctx_;
    ComboItems operators_;
};

}  // namespace pos
