#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <memory>
#include <optional>

#include "app/mainFlow.h"
#include "checkout/customerDisplay.h"
#include "sales/lineEdit.h"
#include "sales/saleScreen.h"
#include "sales/shortcutKeys.h"

namespace pos {

struct PosContext;
class QueryModel;
class GridFooterBar;
class QtRegistrationPrompt;
class TF_Posxs_Fk;
class TF_Posxs_Jg;
class TF_PwdModi;
class TF_PosKey;
class QtSupervisorPrompt;
class CurrencyEdit;

// The sales window, the terminal's main window. Created hidden; startRun()
// applies the first skin, runs the login and the start-up sequence, which
// shows it.
class TF_PosMainForm : public QMainWindow, public SalesWindowSetup {
    Q_OBJECT
  public:
    explicit TF_PosMainForm(PosContext& ctx, QWidget* parent = nullptr);
    ~TF_PosMainForm() override;

    // False when the run must end (login cancelled, no right to the terminal).
    bool startRun();

    // Menu strip and header.
    QToolButton* btnMenu;
    QLabel* gldjh;
    QLabel* pos_Name;
    QComboBox* comUser;
    QComboBox* comCk;
    QComboBox* comYg;
    QComboBox* comJg;
    QComboBox* comXs;
    QLabel* compName;
    // Entry strip.
    QFrame* RzPanel_Mid;
    QLineEdit* tbh;
    QLabel* hjje;
    QToolButton* btnHelp1;
    QToolButton* btnHelp2;
    // Goods lookup and sale grids.
    QFrame* RzPanel_Goods;
    QTableView* cxGrid1;
    QTableView* cxGrid2;
    QueryModel* goodsModel;
    QueryModel* linesModel;
    GridFooterBar* footer;
    // Bottom panel: key legend or member panel.
    QFrame* RzPanel_Bottom;
    QFrame* RzPanel_Bottom1;
    QFrame* RzPanel_Bottom2;
    std::vector<QLabel*> keyLegend;  // in the order of kKeyFunctions
    // Member panel: hy_bh, hy_name, hl_name, hl_zk, hy_jf, hy_zhye, hy_mobile, then
    // the eye test (sphere, cylinder, axis, corrected vision, left and right; pd, add).
    std::vector<QLabel*> memberLabels;
    QToolButton* btnClose;
    // Status bar.
    // Line edit panel, floating over the grid.
    QFrame* RzPanel_Spsl;
    QLabel* spName;  // g_name
    CurrencyEdit* spyj;
    CurrencyEdit* spdj;
    QCheckBox* chkDj;
    CurrencyEdit* dzl;
    QCheckBox* chkZdzk;
    QLabel* spSl;  // ls_sl
    CurrencyEdit* xsl;
    QPushButton* btnSave;
    QPushButton* btnExit;
    // Goods picture.
    QLabel* Image_Pic;
    QLabel* RzStatusPane_Soft;
    QLabel* pos_Status;
    QLabel* clockPane;

    SaleScreen& sale() { return sale_; }
    const KeyTable& keys() const { return keys_; }

    // Window methods of the sale in progress.
    void setInitValue(const std::string& number);
    void setFilterGoods(const std::string& key);
    void selectGoods();
    void delCurrRec();
    void delAllRec();

    // SalesWindowSetup
    void untickWholeSaleDiscount() override;
    void showKeyNames(const std::vector<std::string>& names) override;
    void setSoftPane(const std::string& text) override;
    void setCompanyName(const std::string& text) override;
    void setCaption(const std::string& text) override;
    void setStaffLists(const ComboItems& optometrists, const ComboItems& processors,
                       const ComboItems& salespersons) override;
    void initCustomerDisplay() override;
    void newSale() override;
    void showWindow() override;
    void applyNumberFormats() override;
    void showDiscountColumns(bool visible) override;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildLayout();
    void tickClock();
    void changePassword();
    void setShortcutKeys();
    void posFk();
    void payKey();
    // The window sees every key first: true when the key was one of its functions.
    bool formKeyDown(QKeyEvent* key);
    bool panelKeyDown(QKeyEvent* key, bool inQuantity);
    void posYxsp(LineEditMode mode);
    void btnSaveClick();
    void btnExitClick();
    void setGift();
    void dispPic();
    void posHy();
    void showBottomPanel();
    void setGridFont();
    void notYet(const char* what);
    int selectedRow() const;
    void holdSale();
    void recallHeld();
    // Shows the state of the sale: header, grid, footer, totals, status.
    void refresh();
    void fitSaleColumns();
    void entered();

    PosContext& ctx_;
    NoCustomerDisplay display_;
    SaleScreen sale_;
    KeyTable keys_;
    std::unique_ptr<QtRegistrationPrompt> registration_;
    TF_Posxs_Fk* payment_ = nullptr;
    TF_Posxs_Jg* heldSales_ = nullptr;
    TF_PwdModi* pwdModi_ = nullptr;
    TF_PosKey* posKey_ = nullptr;
    std::unique_ptr<QtSupervisorPrompt> supervisor_;
    std::optional<LineEditPanel> panel_;
    QTimer clockTimer_;
    bool leaving_ = false;
};

}  // namespace pos
