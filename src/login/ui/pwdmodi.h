#pragma once
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pos {

struct PosContext;

// Password change of the logged-in operator.
class TF_PwdModi : public QDialog {
    Q_OBJECT
  public:
    explicit TF_PwdModi(PosContext& ctx, QWidget* parent = nullptr);

    QLabel* aname;
    QLineEdit* tOldPwd;
    QLineEdit* tnewpwd;
    QLineEdit* tnewpwd2;
    QPushButton* btnOK;
    QPushButton* btnExit;

    void confirm();

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PosContext& ctx_;
};

}  // namespace pos
