#include "sales/ui/posMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/makerInfo.h"
#include "common/operationLog.h"
#include "common/ui/numberFormatting.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "login/ui/login.h"
#include "login/ui/pwdmodi.h"
#include "platform/clock.h"
#include "sales/shortcutKeys.h"
#include "sales/ui/skinApplier.h"

namespace pos {

namespace {

// Columns of the sale grid: caption and field.
const std::vector<std::pair<const char*, const char*>> kSaleColumns = {
    {"商品编号", "g_sn"},    {"商品名称", "g_name"},     {"单位", "dw_name"},
    {"规格型号", "gg_name"}, {"生产厂商", "g_sccs"},     {"单价", "ls_dj"},
    {"折扣", "ls_dzl"},      {"折后价", "ls_dhdj"},      {"数量", "ls_sl"},
    {"金额", "ls_zje"},      {"批准文号", "color_name"}, {"生产批号", "t_ph"},
    {"生产日期", "t_scrq"},  {"有效期至", "t_yxq"},      {"灭菌批号", "t_mjph"},
    {"库位", "hj_name"}};

const std::vector<const char*> kLookupColumns = {
    "商品编号", "商品名称", "单位",     "商品规格", "批准文号", "生产厂商", "售价",
    "当前库存", "生产批号", "生产日期", "有效期至", "灭菌批号", "所在库位"};

// Legend captions in the order of kKeyFunctions.
const std::vector<const char*> kLegendCaptions = {
    "付款结账：", "修改折扣：", "修改数量：", "删除当前：", "删除全部：", "选择会员：",
    "打开钱箱：", "挂单：",     "解挂：",     "浏览图片：", "锁定屏幕：", "设为赠品："};

int columnOf(const char* field) {
    for (size_t i = 0; i < kSaleColumns.size(); ++i)
        if (std::string(kSaleColumns[i].second) == field) return static_cast<int>(i);
    return -1;
}

QLabel* caption(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

void fill(QComboBox* box, const ComboItems& items) {
    box->clear();
    for (const ComboItem& i : items)
        box->addItem(QString::fromStdString(i.text),
                     QString::fromStdString(i.object ? i.object->comboS : ""));
    box->setCurrentIndex(items.empty() ? -1 : 0);
}

}  // namespace

TF_PosMainForm::TF_PosMainForm(PosContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    buildLayout();
    connect(&clockTimer_, &QTimer::timeout, this, &TF_PosMainForm::tickClock);
    hide();
}

void TF_PosMainForm::buildLayout() {
    auto* central = new QWidget(this);
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(6, 4, 6, 4);
    page->setSpacing(4);

    // 1. Menu strip.
    btnMenu = new QToolButton(central);
    btnMenu->setText("系统功能");
    btnMenu->setPopupMode(QToolButton::InstantPopup);
    btnMenu->setMinimumWidth(96);
    auto* menu = new QMenu(btnMenu);
    menu->addAction("修改密码(&P)", this, &TF_PosMainForm::changePassword);
    menu->addSeparator();
    menu->addAction("退出(&Z)", this, &QWidget::close);
    btnMenu->setMenu(menu);
    auto* strip = new QHBoxLayout;
    strip->addWidget(btnMenu);
    strip->addStretch();
    page->addLayout(strip);

    // 2. Header.
    auto* header = new QGridLayout;
    gldjh = new QLabel(central);
    gldjh->setStyleSheet("color: #c0392b; font-weight: bold; font-size: 15pt;");
    pos_Name = new QLabel(central);
    comUser = new QComboBox(central);
    comCk = new QComboBox(central);
    comYg = new QComboBox(central);
    comJg = new QComboBox(central);
    comXs = new QComboBox(central);
    for (QComboBox* box : {comUser, comCk, comYg, comJg, comXs}) box->setMinimumWidth(130);
    compName = new QLabel(central);
    compName->setStyleSheet("font-weight: bold; font-size: 14pt;");
    compName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    header->addWidget(gldjh, 0, 0, 1, 2);
    header->addWidget(caption("收银员：", central), 0, 2);
    header->addWidget(pos_Name, 0, 3);
    header->addWidget(caption("导    购：", central), 0, 4);
    header->addWidget(comUser, 0, 5);
    header->addWidget(caption("仓    库：", central), 0, 6);
    header->addWidget(comCk, 0, 7);
    header->addWidget(compName, 0, 8, 2, 1);
    header->addWidget(caption("验光师：", central), 1, 2);
    header->addWidget(comYg, 1, 3);
    header->addWidget(caption("加工员：", central), 1, 4);
    header->addWidget(comJg, 1, 5);
    header->addWidget(caption("销售员：", central), 1, 6);
    header->addWidget(comXs, 1, 7);
    header->setColumnStretch(8, 1);
    page->addLayout(header);

    // 3. Entry strip.
    RzPanel_Mid = new QFrame(central);
    RzPanel_Mid->setFrameShape(QFrame::StyledPanel);
    auto* mid = new QHBoxLayout(RzPanel_Mid);
    tbh = new QLineEdit(RzPanel_Mid);
    tbh->setMinimumWidth(260);
    QFont big = tbh->font();
    big.setPointSize(14);
    tbh->setFont(big);
    hjje = new QLabel("0.00", RzPanel_Mid);
    hjje->setStyleSheet("color: #c0392b; font-weight: bold; font-size: 22pt;");
    btnHelp1 = new QToolButton(RzPanel_Mid);
    btnHelp1->setArrowType(Qt::DownArrow);
    btnHelp1->setToolTip("隐藏快捷键");
    btnHelp2 = new QToolButton(RzPanel_Mid);
    btnHelp2->setArrowType(Qt::UpArrow);
    btnHelp2->setToolTip("显示快捷键");
    mid->addWidget(new QLabel("请输入商品编号/条码：", RzPanel_Mid));
    mid->addWidget(tbh);
    mid->addSpacing(30);
    mid->addWidget(new QLabel("合计金额：", RzPanel_Mid));
    mid->addWidget(hjje);
    mid->addStretch();
    mid->addWidget(btnHelp1);
    mid->addWidget(btnHelp2);
    page->addWidget(RzPanel_Mid);

    // 4. Goods lookup panel, hidden until a lookup finds goods.
    RzPanel_Goods = new QFrame(central);
    auto* goods = new QVBoxLayout(RzPanel_Goods);
    goods->setContentsMargins(0, 0, 0, 0);
    cxGrid1 = new QTableView(RzPanel_Goods);
    auto* lookupModel = new QStandardItemModel(0, static_cast<int>(kLookupColumns.size()), this);
    for (size_t i = 0; i < kLookupColumns.size(); ++i)
        lookupModel->setHeaderData(static_cast<int>(i), Qt::Horizontal, kLookupColumns[i]);
    cxGrid1->setModel(lookupModel);
    cxGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    goods->addWidget(cxGrid1);
    RzPanel_Goods->hide();
    page->addWidget(RzPanel_Goods);

    // 5. Sale grid; the row header numbers the lines from 1.
    cxGrid2 = new QTableView(central);
    saleLines = new QStandardItemModel(0, static_cast<int>(kSaleColumns.size()), this);
    for (size_t i = 0; i < kSaleColumns.size(); ++i)
        saleLines->setHeaderData(static_cast<int>(i), Qt::Horizontal, kSaleColumns[i].first);
    cxGrid2->setModel(saleLines);
    cxGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cxGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    cxGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cxGrid2->verticalHeader()->setFixedWidth(40);
    page->addWidget(cxGrid2, 1);

    // 6. Bottom panel: the key legend (member panel comes with the members).
    RzPanel_Bottom = new QFrame(central);
    RzPanel_Bottom->setFrameShape(QFrame::StyledPanel);
    auto* bottom = new QVBoxLayout(RzPanel_Bottom);
    bottom->setContentsMargins(4, 2, 4, 2);
    RzPanel_Bottom1 = new QFrame(RzPanel_Bottom);
    RzPanel_Bottom1->hide();
    RzPanel_Bottom2 = new QFrame(RzPanel_Bottom);
    auto* legend = new QGridLayout(RzPanel_Bottom2);
    legend->setHorizontalSpacing(12);
    for (size_t i = 0; i < kLegendCaptions.size(); ++i) {
        auto* key = new QLabel(RzPanel_Bottom2);
        key->setStyleSheet("color: #1f5f99; font-weight: bold;");
        keyLegend.push_back(key);
        int col = static_cast<int>(i % 6) * 2, row = static_cast<int>(i / 6);
        legend->addWidget(caption(kLegendCaptions[i], RzPanel_Bottom2), row, col);
        legend->addWidget(key, row, col + 1);
    }
    keyLegend[0]->setText("F5");
    bottom->addWidget(RzPanel_Bottom1);
    bottom->addWidget(RzPanel_Bottom2);
    page->addWidget(RzPanel_Bottom);
    connect(btnHelp1, &QToolButton::clicked, RzPanel_Bottom, &QWidget::hide);
    connect(btnHelp2, &QToolButton::clicked, RzPanel_Bottom, &QWidget::show);

    setCentralWidget(central);

    // 7. Status bar.
    RzStatusPane_Soft = new QLabel(this);
    pos_Status = new QLabel("待销售状态", this);
    clockPane = new QLabel(this);
    statusBar()->addWidget(RzStatusPane_Soft);
    statusBar()->addWidget(pos_Status, 1);
    statusBar()->addPermanentWidget(clockPane);
}

bool TF_PosMainForm::startRun() {
    setSoftPane(std::string(kMaker.shortestName) + "软件");
    applySkinBeforeLogin(ctx_);
    TF_Login login(ctx_, this);
    login.exec();
    if (ctx_.session.loginAccepted != "1") return false;
    writeLog(ctx_, "登录POS系统");
    return runStartupSequence(ctx_, *this) == StartupOutcome::Ready;
}

void TF_PosMainForm::untickWholeSaleDiscount() {
    // The whole-sale discount box belongs to the line edit panel, built with it.
}

void TF_PosMainForm::showKeyNames(const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size() && i < keyLegend.size(); ++i) {
        QString text = QString::fromStdString(names[i]);
        if (i == 0) text = text.isEmpty() ? "F5" : "F5 " + text;  // F5 always pays
        keyLegend[i]->setText(text);
    }
}

void TF_PosMainForm::setSoftPane(const std::string& text) {
    RzStatusPane_Soft->setText(QString::fromStdString(text));
}

void TF_PosMainForm::setCompanyName(const std::string& text) {
    compName->setText(QString::fromStdString(text));
}

void TF_PosMainForm::setCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
    pos_Name->setText(QString::fromStdString(ctx_.session.operatorName));
}

void TF_PosMainForm::setStaffLists(const ComboItems& optometrists, const ComboItems& processors,
                                   const ComboItems& salespersons) {
    fill(comYg, optometrists);
    fill(comJg, processors);
    fill(comXs, salespersons);
}

void TF_PosMainForm::initCustomerDisplay() {
    // The pole display is driven by the checkout, built with it.
}

void TF_PosMainForm::newSale() {
    // The sale in progress (number, header lists, lines) comes with line entry.
    saleLines->removeRows(0, saleLines->rowCount());
    pos_Status->setText("待销售状态");
}

void TF_PosMainForm::showWindow() {
    if (QScreen* s = QGuiApplication::primaryScreen()) setGeometry(s->availableGeometry());
    showMaximized();
    tickClock();
    clockTimer_.start(1000);
    tbh->setFocus();
}

void TF_PosMainForm::applyNumberFormats() {
    // The quantity and price edits of the line edit panel and the grid footers
    // get theirs when they are built.
    for (const char* price : {"ls_dj", "ls_dhdj", "ls_zje"})
        setPriceColumnFormat(*cxGrid2, columnOf(price), ctx_.params);
    setQtyColumnFormat(*cxGrid2, columnOf("ls_sl"), ctx_.params);
    setPriceColumnFormat(*cxGrid1, 6, ctx_.params);  // 售价 g_sj
}

void TF_PosMainForm::showDiscountColumns(bool visible) {
    cxGrid2->setColumnHidden(columnOf("ls_dzl"), !visible);
    cxGrid2->setColumnHidden(columnOf("ls_dhdj"), !visible);
}

void TF_PosMainForm::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // A wide window lets the columns share its width; a narrow one keeps theirs.
    cxGrid2->horizontalHeader()->setSectionResizeMode(width() >= 1100 ? QHeaderView::Stretch
                                                                      : QHeaderView::Interactive);
    cxGrid2->setHorizontalScrollBarPolicy(width() >= 1100 ? Qt::ScrollBarAlwaysOff
                                                          : Qt::ScrollBarAsNeeded);
}

void TF_PosMainForm::tickClock() {
    clockPane->setText(QString::fromStdString(ctx_.clock.now().dateTime()));
}

void TF_PosMainForm::changePassword() {
    static TF_PwdModi* dialog = nullptr;  // created on first use, kept for the run
    if (!dialog) dialog = new TF_PwdModi(ctx_, this);
    dialog->exec();
}

void TF_PosMainForm::posFk() {
    // The payment window comes with the checkout.
}

void TF_PosMainForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void TF_PosMainForm::closeEvent(QCloseEvent* e) {
    if (leaving_) {
        e->accept();
        return;
    }
    CloseOutcome outcome =
        closeSalesWindow(ctx_, saleNumber_, saleLines->rowCount() > 0, [this] { posFk(); });
    if (outcome == CloseOutcome::Stay) {
        e->ignore();
        return;
    }
    leaving_ = true;
    e->accept();
    QApplication::quit();
}

}  // namespace pos
