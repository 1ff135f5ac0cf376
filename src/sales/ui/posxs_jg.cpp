#include "sales/ui/posxs_jg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QValidator>

#include "common/ui/dateRangeMenu.h"
#include "common/ui/inputValidator.h"
#include "common/ui/numberFormatting.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/ui/gridFooterBar.h"
#include "database/ui/grids.h"
#include "database/ui/queryModel.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/ui/dialogKeys.h"
#include "platform/ui/windowPlacement.h"
#include "sales/heldSales.h"

namespace pos {

namespace {

const std::vector<QueryModel::Column> kListColumns = {
    {"单据编号", "gl_djh"}, {"挂单日期", "pos_xsrq"}, {"会员卡号", "hybh"},
    {"会员姓名", "hyname"}, {"挂单金额", "pos_yfje"}, {"操作员", "a_name"}};

const std::vector<QueryModel::Column> kLineColumns = {
    {"商品编号", "g_sn"}, {"商品名称", "g_name"}, {"单位", "dw_name"}, {"单价", "pos_dj"},
    {"折扣", "pos_dzl"},  {"折后价", "dhdj"},     {"数量", "pos_sl"},  {"金额", "pos_zje"},
    {"生产批号", "t_ph"}, {"有效期至", "t_yxq"}};

// The member box swallows the characters that would disturb the search.

QTableView* grid(QWidget* parent) {
    QTableView* view = makeReadOnlyGrid(parent, 24);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

QDateEdit* dateEdit(QWidget* parent) {
    auto* e = new QDateEdit(parent);
    e->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    e->setCalendarPopup(true);
    return e;
}

// Sum of a numeric column over all rows of a query.
double columnSum(const Query& q, const char* field) {
    const int c = q.columnIndex(field);
    double sum = 0;
    for (int r = 0; c >= 0 && r < q.recordCount(); ++r) sum += q.valueAt(r, c).asFloat();
    return sum;
}

}  // namespace

TF_Posxs_Jg::TF_Posxs_Jg(PosContext& ctx, SaleScreen& sale, QWidget* parent)
    : QDialog(parent), ctx_(ctx), sale_(sale) {
    setWindowTitle(QStringLiteral("解挂"));
    setModal(true);
    resize(900, 600);

    hyxx = new QLineEdit(this);
    hyxx->setValidator(new RefusedCharacters(hyxx));
    date1 = dateEdit(this);
    date2 = dateEdit(this);
    btnDate = new QToolButton(this);
    btnDate->setArrowType(Qt::DownArrow);
    btnDate->setToolTip(QStringLiteral("选择日期范围"));
    dateMenu = attachDateRangeMenu(*btnDate, ctx_.clock, [this](const DatePair& dates) {
        setDateEdits(*date1, *date2, dates);
        search();
    });
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnRecall = new QPushButton(QStringLiteral("解挂F5"), this);
    btnDelete = new QPushButton(QStringLiteral("删除F3"), this);
    btnPrint = new QToolButton(this);
    btnPrint->setText(QStringLiteral("打印"));
    printMenu = new QMenu(btnPrint);
    printMenu->addAction(QStringLiteral("汇总表(&Y)"), this, &TF_Posxs_Jg::printLater);
    printMenu->addAction(QStringLiteral("明细表(&Z)"), this, &TF_Posxs_Jg::printLater);
    btnPrint->setMenu(printMenu);
    btnPrint->setPopupMode(QToolButton::InstantPopup);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    for (QPushButton* b : {btnSearch, btnRecall, btnDelete, btnExit}) b->setAutoDefault(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("会员卡号/姓名："), this));
    bar->addWidget(hyxx, 1);
    bar->addWidget(new QLabel(QStringLiteral("挂单日期："), this));
    bar->addWidget(date1);
    bar->addWidget(new QLabel(QStringLiteral("至"), this));
    bar->addWidget(date2);
    bar->addWidget(btnDate);
    bar->addSpacing(8);
    for (QWidget* w :
         std::initializer_list<QWidget*>{btnSearch, btnRecall, btnDelete, btnPrint, btnExit})
        bar->addWidget(w);

    Query& list = ctx_.db.Q_PosJg;
    Query& lines = ctx_.db.Q_PosJg2;
    cxGrid1 = grid(this);
    listModel = new QueryModel(list, kListColumns, this);
    cxGrid1->setModel(listModel);
    listFooter = new GridFooterBar(*cxGrid1, this);
    listFooter->setText(listModel->columnOf("gl_djh"), QStringLiteral("记录数："));
    listFooter->setHighlighted(listModel->columnOf("pos_yfje"), true);

    lblDetail = new QLabel(this);
    cxGrid2 = grid(this);
    linesModel = new QueryModel(lines, kLineColumns, this);
    cxGrid2->setModel(linesModel);
    linesFooter = new GridFooterBar(*cxGrid2, this);
    linesFooter->setText(linesModel->columnOf("g_sn"), QStringLiteral("记录数："));
    for (const char* sum : {"pos_sl", "pos_zje"})
        linesFooter->setHighlighted(linesModel->columnOf(sum), true);

    auto* page = new QVBoxLayout(this);
    page->addLayout(bar);
    page->addWidget(cxGrid1, 3);
    page->addWidget(listFooter);
    page->addWidget(lblDetail);
    page->addWidget(cxGrid2, 2);
    page->addWidget(linesFooter);

    connect(btnSearch, &QPushButton::clicked, this, &TF_Posxs_Jg::search);
    connect(btnRecall, &QPushButton::clicked, this, &TF_Posxs_Jg::recall);
    connect(btnDelete, &QPushButton::clicked, this, &TF_Posxs_Jg::deleteSelected);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(cxGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { listRowChanged(current); });

    // The dialog handles its keys before any of its controls does; the drop-down
    // menus keep theirs (Esc closes a menu, not the dialog).
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        if (!qobject_cast<QMenu*>(w)) w->installEventFilter(this);
}

void TF_Posxs_Jg::showEvent(QShowEvent* e) {
    const std::string today = ctx_.clock.now().date();
    setDateEdits(*date1, *date2, {today, today});
    search();
    applyFormats();
    centerOnScreen(*this);
    QDialog::showEvent(e);
    hyxx->setFocus();
}

void TF_Posxs_Jg::applyFormats() {
    const SystemParameters& p = ctx_.params;
    setQtyColumnFormat(*cxGrid1, listModel->columnOf("pos_yfje"), p);
    for (const char* qty : {"pos_dj", "dhdj", "pos_sl"})
        setQtyColumnFormat(*cxGrid2, linesModel->columnOf(qty), p);
    setQtyFooterFormat(*listFooter, listModel->columnOf("pos_yfje"), p);
    setQtyFooterFormat(*linesFooter, linesModel->columnOf("pos_sl"), p);
    setPriceColumnFormat(*cxGrid2, linesModel->columnOf("pos_zje"), p);
    setAmountFooterFormat(*linesFooter, linesModel->columnOf("pos_zje"), p);
}

void TF_Posxs_Jg::search() {
    searchHeldSales(ctx_, hyxx->text().toStdString(), dateText(*date1), dateText(*date2));
    showList();
}

void TF_Posxs_Jg::showList() {
    Query& list = ctx_.db.Q_PosJg;
    listModel->reload();
    listFooter->setText(listModel->columnOf("pos_xsrq"), QString::number(list.recordCount()));
    listFooter->setText(listModel->columnOf("pos_yfje"),
                        QString::fromStdString(formatNumber(columnSum(list, "pos_yfje"))));
    showLines();
}

void TF_Posxs_Jg::showLines() {
    Query& list = ctx_.db.Q_PosJg;
    const std::string number = openHeldSaleLines(ctx_);
    lblDetail->setText(QString::fromStdString(heldSaleLinesCaption(number)));
    if (!list.isEmpty()) {
        const QSignalBlocker quiet(cxGrid1->selectionModel());
        cxGrid1->selectRow(list.currentRow());
    }
    Query& lines = ctx_.db.Q_PosJg2;
    linesModel->reload();
    linesFooter->setText(linesModel->columnOf("g_name"), QString::number(lines.recordCount()));
    linesFooter->setText(linesModel->columnOf("pos_sl"),
                         QString::fromStdString(formatNumber(columnSum(lines, "pos_sl"))));
    linesFooter->setText(linesModel->columnOf("pos_zje"),
                         QString::fromStdString(formatNumber(columnSum(lines, "pos_zje"))));
}

void TF_Posxs_Jg::listRowChanged(const QModelIndex& current) {
    Query& list = ctx_.db.Q_PosJg;
    if (!current.isValid() || current.row() >= list.recordCount()) return;
    list.moveTo(current.row());
    showLines();
}

void TF_Posxs_Jg::recall() {
    if (recallHeldSale(ctx_, sale_)) {
        accept();
        return;
    }
    // Nothing recalled: an empty list, or the sale left the list meanwhile.
    showList();
}

void TF_Posxs_Jg::deleteSelected() {
    if (deleteHeldSale(ctx_)) showList();
}

void TF_Posxs_Jg::printLater() { ctx_.messages.inform("打印功能尚未开通"); }

void TF_Posxs_Jg::done(int result) {
    ctx_.db.Q_PosJg.close();
    listModel->reload();
    QDialog::done(result);
}

bool TF_Posxs_Jg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_F2:
                search();
                return true;
            case Qt::Key_F3:
                deleteSelected();
                return true;
            default:
                break;
        }
    }
    if (handleDialogKey(*this, event, [this] { recall(); })) return true;
    return QDialog::eventFilter(watched, event);
}

}  // namespace pos
