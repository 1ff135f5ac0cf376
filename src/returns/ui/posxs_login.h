#pragma once
// The supervisor authorisation window, shown before a return, cash in, cash
// out and a price change. Its caller sets the caption (the purpose) and runs
// it modally; the result is supervisorName and supervisorRole of the session,
// both empty when the window was cancelled.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <string>

#include "returns/supervisor.h"

namespace pos {

struct PosContext;

class TF_Posxs_Login : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Posxs_Login(PosContext& ctx, QWidget* parent = nullptr);

    // The window of `parent`, created on first use and kept as its child.
    static TF_Posxs_Login* instanceFor(PosContext& ctx, QWidget* parent);

    // One of the captions of returns/supervisor.h ("退货-柜长授权", …).
    void setCaption(const std::string& caption);
    // Sets the caption and runs the window modally; true when a supervisor
    // authorised (supervisorName is set).
    bool authorise(const std::string& caption);

    PosContext& context() const { return ctx_; }

    QComboBox* comAdmin;
    QLineEdit* tpwd;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    void confirm();

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PosContext& ctx_;
};

// The authorisation of the sales window: its one window, created on first use.
class QtSupervisorPrompt : public SupervisorPrompt {
  public:
    QtSupervisorPrompt(PosContext& ctx, QWidget* salesWindow);
    void ask(const std::string& caption) override;

  private:
    PosContext& ctx_;
    QPointer<QWidget> salesWindow_;
};

}  // namespace pos
