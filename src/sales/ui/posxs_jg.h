#pragma once
// The held-sales dialog ("解挂"): lists held sales of a date range, searched by
// member number or name, with the lines of the selected one; recalls one into
// the sales screen (F5) or deletes it (F3).
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace pos {

struct PosContext;
class SaleScreen;
class QueryModel;
class GridFooterBar;

class TF_Posxs_Jg : public QDialog {
    Q_OBJECT
  public:
    // `sale` is the sales screen a recalled sale goes to. exec() returns
    // Accepted when a held sale was recalled.
    TF_Posxs_Jg(PosContext& ctx, SaleScreen& sale, QWidget* parent = nullptr);

    QLineEdit* hyxx;  // member number or name
    QDateEdit* date1;
    QDateEdit* date2;
    QToolButton* btnDate;  // drops the date-range menu
    QMenu* dateMenu;
    QPushButton* btnSearch;
    QPushButton* btnRecall;
    QPushButton* btnDelete;
    QToolButton* btnPrint;
    QMenu* printMenu;
    QPushButton* btnExit;
    QTableView* cxGrid1;  // held sales (Q_PosJg)
    QueryModel* listModel;
    GridFooterBar* listFooter;
    QLabel* lblDetail;    // "单据 … 的详细信息"
    QTableView* cxGrid2;  // lines of the selected held sale (Q_PosJg2)
    QueryModel* linesModel;
    GridFooterBar* linesFooter;

    void search();
    void recall();
    void deleteSelected();

  protected:
    void showEvent(QShowEvent* e) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showList();
    void showLines();
    void listRowChanged(const QModelIndex& current);
    void applyFormats();
    void printLater();

    PosContext& ctx_;
    SaleScreen& sale_;
};

}  // namespace pos
