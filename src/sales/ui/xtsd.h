#pragma once
// The screen lock over the sales screen: a borderless modal window that only
// the logged-in operator's password opens.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pos {

struct PosContext;

class TF_Xtsd : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Xtsd(PosContext& ctx, QWidget* parent = nullptr);

    // The lock window of `parent`, created on first use and kept as its child.
    static TF_Xtsd* instanceFor(PosContext& ctx, QWidget* parent);
    // Covers the screen until the operator's password is typed.
    void lockScreen();

    PosContext& context() const { return ctx_; }

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void unlock();
    void watchKeys(QObject* object);

    PosContext& ctx_;
    QLabel* lblName_;
    QLineEdit* edtPassword_;
    QPushButton* btnUnlock_;
    bool unlocked_ = false;
};

// The sales screen's lock key: locks with the lock window of `parent`.
void suoJi(PosContext& ctx, QWidget* parent);

}  // namespace pos
