#pragma once
#include <QDialog>
#include <QLabel>
#include <QTimer>

namespace pos {

// The loading window: borderless, on top, 700 × 323, three progress texts
// over about three seconds.
class TF_Loading : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Loading(QWidget* parent = nullptr);
    int state() const { return state_; }
    QString message() const { return lMsg->text(); }

  protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    void tick();

    QLabel* lMsg;
    QTimer* Timer1;
    int state_ = 0;
};

}  // namespace pos
