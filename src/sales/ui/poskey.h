#pragma once
// The shortcut key settings of the sales screen: one field per function; a key
// released in a field becomes that function's key at once.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "sales/shortcutKeys.h"

namespace pos {

struct PosContext;

class TF_PosKey : public QDialog {
    Q_OBJECT
  public:
    explicit TF_PosKey(PosContext& ctx, QWidget* parent = nullptr);

    // Called by 确定 before the dialog closes: the sales window refreshes its legend.
    std::function<void()> onConfirm;

    // One field per function, in the order of kKeyFunctions.
    QLineEdit* tfk;    // 付款结账
    QLineEdit* txgzk;  // 修改折扣
    QLineEdit* txgsl;  // 修改数量
    QLineEdit* tsc;    // 删除当前
    QLineEdit* tqq;    // 删除全部
    QLineEdit* txzhy;  // 选择会员
    QLineEdit* tqx;    // 打开钱箱
    QLineEdit* tgd;    // 挂单
    QLineEdit* tjg;    // 解挂
    QLineEdit* tlltp;  // 浏览图片
    QLineEdit* tsj;    // 锁定屏幕
    QLineEdit* tswzp;  // 设为赠品
    QPushButton* btnStart;
    QPushButton* btnOK;
    QPushButton* btnExit;
    QLabel* lblNote;

    void startSetting();
    void confirm();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void keyReleased(size_t index, int code);

    PosContext& ctx_;
    std::array<QLineEdit*, kKeyFunctions.size()> fields_{};
};

}  // namespace pos
