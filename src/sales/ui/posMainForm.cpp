#include "sales/ui/posMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QValidator>
#include <map>

#include "app/makerInfo.h"
#include "checkout/cashDrawer.h"
#include "checkout/ui/posxs_fk.h"
#include "common/operationLog.h"
#include "common/textGuards.h"
#include "common/ui/numberFormatting.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/systemParameters.h"
#include "database/ui/gridFooterBar.h"
#include "database/ui/queryModel.h"
#include "login/ui/login.h"
#include "login/ui/pwdmodi.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "sales/heldSales.h"
#include "sales/lineChecks.h"
#include "sales/ui/keyCodes.h"
#include "sales/ui/poskey.h"
#include "sales/ui/posxs_cfy.h"
#include "sales/ui/posxs_jg.h"
#include "sales/ui/skinApplier.h"

namespace pos {

namespace {

const std::vector<QueryModel::Column> kSaleColumns = {
    {"商品编号", "g_sn"},    {"商品名称", "g_name"},     {"单位", "dw_name"},
    {"规格型号", "gg_name"}, {"生产厂商", "g_sccs"},     {"单价", "ls_dj"},
    {"折扣", "ls_dzl"},      {"折后价", "ls_dhdj"},      {"数量", "ls_sl"},
    {"金额", "ls_zje"},      {"批准文号", "color_name"}, {"生产批号", "t_ph"},
    {"生产日期", "t_scrq"},  {"有效期至", "t_yxq"},      {"灭菌批号", "t_mjph"},
    {"库位", "hj_name"}};

const std::vector<QueryModel::Column> kLookupColumns = {
    {"商品编号", "g_sn"},    {"商品名称", "g_name"},     {"单位", "dwname"},
    {"商品规格", "gg_name"}, {"批准文号", "color_name"}, {"生产厂商", "g_sccs"},
    {"售价", "g_sj"},        {"当前库存", "t_sl"},       {"生产批号", "t_ph"},
    {"生产日期", "t_scrq"},  {"有效期至", "t_yxq"},      {"灭菌批号", "t_mjph"},
    {"所在库位", "hj_name"}};

// Legend captions in the order of kKeyFunctions.
const std::vector<const char*> kLegendCaptions = {
    "付款结账：", "修改折扣：", "修改数量：", "删除当前：", "删除全部：", "选择会员：",
    "打开钱箱：", "挂单：",     "解挂：",     "浏览图片：", "锁定屏幕：", "设为赠品："};

QLabel* caption(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

void fill(QComboBox* box, const ComboItems& items, int selected) {
    box->blockSignals(true);
    box->clear();
    for (const ComboItem& i : items)
        box->addItem(QString::fromStdString(i.text),
                     QString::fromStdString(i.object ? i.object->comboS : ""));
    box->setCurrentIndex(selected);
    box->blockSignals(false);
}

// The entry field refuses some characters and types letters in upper case.
class EntryValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (c.unicode() < 128 &&
                SaleScreen::isRefusedEntryCharacter(static_cast<char>(c.unicode())))
                return Invalid;
        for (QChar& c : input)
            if (c >= 'a' && c <= 'z') c = c.toUpper();
        return Acceptable;
    }
};

QTableView* grid(QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setDefaultSectionSize(26);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

}  // namespace

TF_PosMainForm::TF_PosMainForm(PosContext& ctx, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), sale_(ctx, display_) {
    buildLayout();
    registration_ = std::make_unique<QtRegistrationPrompt>(ctx_, this);
    connect(&clockTimer_, &QTimer::timeout, this, &TF_PosMainForm::tickClock);
    hide();
}

TF_PosMainForm::~TF_PosMainForm() = default;

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
    menu->addAction("挂账查询(&R)", this, &TF_PosMainForm::recallHeld);
    menu->addAction("快捷键设置(&N)", this, &TF_PosMainForm::setShortcutKeys);
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
    connect(comUser, &QComboBox::currentIndexChanged, this, [this](int i) { sale_.guide = i; });
    connect(comCk, &QComboBox::currentIndexChanged, this, [this](int i) { sale_.warehouse = i; });

    // 3. Entry strip.
    RzPanel_Mid = new QFrame(central);
    RzPanel_Mid->setFrameShape(QFrame::StyledPanel);
    auto* mid = new QHBoxLayout(RzPanel_Mid);
    tbh = new QLineEdit(RzPanel_Mid);
    tbh->setMinimumWidth(300);
    tbh->setValidator(new EntryValidator(tbh));
    QFont big = tbh->font();
    big.setPointSize(14);
    tbh->setFont(big);
    tbh->installEventFilter(this);
    hjje = new QLabel("0", RzPanel_Mid);
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

    // 4. Goods lookup panel, shown when a lookup offers rows to pick from.
    RzPanel_Goods = new QFrame(central);
    auto* goods = new QVBoxLayout(RzPanel_Goods);
    goods->setContentsMargins(0, 0, 0, 0);
    cxGrid1 = grid(RzPanel_Goods);
    goodsModel = new QueryModel(ctx_.db.Q_PosGoods, kLookupColumns, this);
    cxGrid1->setModel(goodsModel);
    cxGrid1->setMinimumHeight(160);
    cxGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    cxGrid1->horizontalHeader()->setStretchLastSection(true);
    cxGrid1->installEventFilter(this);
    connect(cxGrid1, &QTableView::doubleClicked, this, [this] { selectGoods(); });
    goods->addWidget(cxGrid1);
    RzPanel_Goods->hide();
    page->addWidget(RzPanel_Goods);

    // 5. Sale grid with its footer; the row header numbers the lines from 1.
    cxGrid2 = grid(central);
    linesModel = new QueryModel(ctx_.db.Q_Posxs, kSaleColumns, this);
    cxGrid2->setModel(linesModel);
    cxGrid2->verticalHeader()->setFixedWidth(40);
    cxGrid2->installEventFilter(this);
    cxGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(cxGrid2->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) { linesModel->setMarkedRow(i.row()); });
    footer = new GridFooterBar(*cxGrid2, central);
    footer->setText(linesModel->columnOf("g_sn"), "记录数：");
    for (const char* sum : {"ls_sl", "ls_zje"})
        footer->setHighlighted(linesModel->columnOf(sum), true);
    page->addWidget(cxGrid2, 1);
    page->addWidget(footer);

    // 6. Bottom panel: the key legend, or the member panel while a member is attached.
    RzPanel_Bottom = new QFrame(central);
    RzPanel_Bottom->setFrameShape(QFrame::StyledPanel);
    auto* bottom = new QVBoxLayout(RzPanel_Bottom);
    bottom->setContentsMargins(4, 2, 4, 2);
    RzPanel_Bottom1 = new QFrame(RzPanel_Bottom);
    auto* members = new QGridLayout(RzPanel_Bottom1);
    members->setHorizontalSpacing(10);
    members->setVerticalSpacing(2);
    const std::vector<const char*> memberCaptions = {
        "会员编号：", "会员名称：",     "会员级别：",     "会员折扣：", "会员积分：", "账户余额：",
        "电话：",     "球镜(左)：",     "球镜(右)：",     "柱镜(左)：", "柱镜(右)：", "轴向(左)：",
        "轴向(右)：", "矫正视力(左)：", "矫正视力(右)：", "瞳距：",     "ADD："};
    for (size_t i = 0; i < memberCaptions.size(); ++i) {
        auto* value = new QLabel(RzPanel_Bottom1);
        value->setStyleSheet("color: #1f5f99; font-weight: bold;");
        memberLabels.push_back(value);
        auto* text = caption(memberCaptions[i], RzPanel_Bottom1);
        int col = static_cast<int>(i % 6) * 2, row = static_cast<int>(i / 6);
        members->addWidget(text, row, col);
        members->addWidget(value, row, col + 1);
        if (i >= 15) {  // pupil distance and addition stay hidden
            text->hide();
            value->hide();
        }
    }
    btnClose = new QToolButton(RzPanel_Bottom1);
    btnClose->setText("×");
    btnClose->setToolTip("关闭会员信息");
    members->addWidget(btnClose, 0, 12, Qt::AlignRight | Qt::AlignTop);
    connect(btnClose, &QToolButton::clicked, this, [this] {
        RzPanel_Bottom1->hide();
        RzPanel_Bottom2->show();
    });
    RzPanel_Bottom1->hide();
    RzPanel_Bottom2 = new QFrame(RzPanel_Bottom);
    auto* legend = new QGridLayout(RzPanel_Bottom2);
    legend->setHorizontalSpacing(12);
    legend->setVerticalSpacing(2);
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
    connect(btnHelp1, &QToolButton::clicked, this, [this] {
        RzPanel_Bottom->hide();
        btnHelp1->hide();
        btnHelp2->show();
    });
    connect(btnHelp2, &QToolButton::clicked, this, [this] {
        RzPanel_Bottom->show();
        btnHelp2->hide();
        btnHelp1->show();
    });
    btnHelp2->hide();

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

// ---------------------------------------------------------------- the sale --

void TF_PosMainForm::setInitValue(const std::string& number) {
    ResetOutcome outcome = sale_.setInitValue(number);
    RzPanel_Bottom->show();
    RzPanel_Bottom2->show();
    RzPanel_Bottom1->hide();
    btnHelp1->show();
    btnHelp2->hide();
    RzPanel_Goods->hide();
    pos_Name->setText(QString::fromStdString(ctx_.session.operatorName));
    if (outcome == ResetOutcome::Ready) keys_ = loadKey(ctx_);
    refresh();
    tbh->setFocus();
}

void TF_PosMainForm::refresh() {
    gldjh->setText(QString::fromStdString(sale_.saleNumber));
    const MemberPanel& m = sale_.member;
    std::vector<std::string> member = {m.number, m.name,    m.level, m.discount,
                                       m.points, m.balance, m.mobile};
    member.insert(member.end(), std::begin(m.eyeTest), std::end(m.eyeTest));
    for (size_t i = 0; i < memberLabels.size() && i < member.size(); ++i)
        memberLabels[i]->setText(QString::fromStdString(member[i]));
    hjje->setText(QString::fromStdString(sale_.total));
    pos_Status->setText(QString::fromStdString(sale_.status));
    fill(comUser, sale_.guides, sale_.guide);
    fill(comCk, sale_.warehouses, sale_.warehouse);
    comCk->setEnabled(sale_.warehouseEnabled);

    QFont f = cxGrid2->font();
    f.setPointSize(sale_.gridFontSize);
    cxGrid2->setFont(f);
    linesModel->reload();
    Query& lines = ctx_.db.Q_Posxs;
    double qty = 0, amount = 0;
    for (int r = 0; r < lines.recordCount(); ++r) {
        qty += lines.valueAt(r, lines.columnIndex("ls_sl")).asFloat();
        amount += lines.valueAt(r, lines.columnIndex("ls_zje")).asFloat();
    }
    footer->setText(linesModel->columnOf("ls_sl"), QString::fromStdString(formatNumber(qty)));
    footer->setText(linesModel->columnOf("ls_zje"), QString::fromStdString(formatNumber(amount)));
    footer->setText(linesModel->columnOf("g_name"), QString::number(lines.recordCount()));
    if (lines.recordCount() > 0) {
        cxGrid2->selectRow(lines.recordCount() - 1);
        cxGrid2->scrollToBottom();
    }
}

void TF_PosMainForm::setFilterGoods(const std::string& key) {
    tbh->clear();
    tbh->repaint();
    LookupOutcome outcome = sale_.setFilterGoods(key, *registration_);
    goodsModel->reload();
    if (outcome == LookupOutcome::Choose) {
        RzPanel_Goods->show();
        cxGrid1->selectRow(0);
        cxGrid1->setFocus();
        return;
    }
    RzPanel_Goods->hide();
    refresh();
    tbh->setFocus();
}

void TF_PosMainForm::selectGoods() {
    QModelIndex current = cxGrid1->currentIndex();
    if (!current.isValid()) return;
    ctx_.db.Q_PosGoods.moveTo(current.row());
    sale_.selectGoods(*registration_);
    RzPanel_Goods->hide();
    refresh();
    tbh->setFocus();
}

void TF_PosMainForm::delCurrRec() {
    tbh->clear();
    QModelIndex current = cxGrid2->currentIndex();
    sale_.delCurrRec(current.isValid() ? current.row() : ctx_.db.Q_Posxs.recordCount() - 1);
    sale_.updateBottomHjje();
    refresh();
    tbh->setFocus();
}

void TF_PosMainForm::delAllRec() {
    tbh->clear();
    sale_.delAllRec();
    sale_.updateBottomHjje();
    refresh();
    tbh->setFocus();
}

void TF_PosMainForm::entered() {
    std::string key = SaleScreen::entryKey(tbh->text().toStdString());
    if (!key.empty()) setFilterGoods(key);
}

bool TF_PosMainForm::eventFilter(QObject* watched, QEvent* event) {
    const bool enter = [&] {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        int k = static_cast<QKeyEvent*>(event)->key();
        return k == Qt::Key_Return || k == Qt::Key_Enter;
    }();
    if (event->type() == QEvent::KeyPress && (watched == tbh || watched == cxGrid2)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = virtualKeyCode(key->key(), key->modifiers());
        const std::string function = code == 0 ? std::string() : keys_.functionOfKey(code);
        if (function == "付款结账") {
            payKey();
            return true;
        }
        if (function == "挂单") {
            holdSale();
            return true;
        }
        if (function == "解挂") {
            recallHeld();
            return true;
        }
    }
    if (watched == tbh) {
        if (event->type() == QEvent::FocusIn) {
            RzPanel_Goods->hide();
        } else if (enter) {
            // The lookup runs when Enter is released, so a scanner's Enter
            // that ends the code never repeats into the next field.
            auto* key = static_cast<QKeyEvent*>(event);
            if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) entered();
            return true;
        }
    } else if (watched == cxGrid1 && enter) {
        if (event->type() == QEvent::KeyPress) selectGoods();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ------------------------------------------------------ start-up callbacks --

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
    fill(comYg, optometrists, optometrists.empty() ? -1 : 0);
    fill(comJg, processors, processors.empty() ? -1 : 0);
    fill(comXs, salespersons, salespersons.empty() ? -1 : 0);
}

void TF_PosMainForm::initCustomerDisplay() {
    // The pole display is driven by the checkout, built with it.
}

void TF_PosMainForm::newSale() { setInitValue(""); }

void TF_PosMainForm::showWindow() {
    if (QScreen* s = QGuiApplication::primaryScreen()) setGeometry(s->availableGeometry());
    showMaximized();
    tickClock();
    clockTimer_.start(1000);
    tbh->setFocus();
}

void TF_PosMainForm::applyNumberFormats() {
    // The quantity and price edits of the line edit panel get theirs when built.
    for (const char* price : {"ls_dj", "ls_dhdj", "ls_zje"})
        setPriceColumnFormat(*cxGrid2, linesModel->columnOf(price), ctx_.params);
    setAmountFooterFormat(*footer, linesModel->columnOf("ls_zje"), ctx_.params);
    setQtyColumnFormat(*cxGrid2, linesModel->columnOf("ls_sl"), ctx_.params);
    setQtyFooterFormat(*footer, linesModel->columnOf("ls_sl"), ctx_.params);
    setPriceColumnFormat(*cxGrid1, goodsModel->columnOf("g_sj"), ctx_.params);
    // Stock shows two decimals.
    SystemParameters twoDecimals = ctx_.params;
    twoDecimals.cs_cbjs = 2;
    setQtyColumnFormat(*cxGrid1, goodsModel->columnOf("t_sl"), twoDecimals);
    refresh();
}

void TF_PosMainForm::showDiscountColumns(bool visible) {
    cxGrid2->setColumnHidden(linesModel->columnOf("ls_dzl"), !visible);
    cxGrid2->setColumnHidden(linesModel->columnOf("ls_dhdj"), !visible);
    fitSaleColumns();
}

void TF_PosMainForm::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    fitSaleColumns();
}

void TF_PosMainForm::fitSaleColumns() {
    // A wide window shares its width among the columns, the name taking most;
    // a narrow one keeps the columns' own widths and scrolls.
    const bool wide = width() >= 1100;
    cxGrid2->setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    QHeaderView* h = cxGrid2->horizontalHeader();
    if (!wide) {
        h->setSectionResizeMode(QHeaderView::Interactive);
        return;
    }
    static const std::map<std::string, double> weight = {
        {"g_sn", 1.3},    {"g_name", 2.4}, {"dw_name", 0.55},   {"gg_name", 1.1},
        {"g_sccs", 1.6},  {"ls_dj", 1.0},  {"ls_dzl", 0.6},     {"ls_dhdj", 1.0},
        {"ls_sl", 0.8},   {"ls_zje", 1.1}, {"color_name", 1.6}, {"t_ph", 1.0},
        {"t_scrq", 1.15}, {"t_yxq", 1.15}, {"t_mjph", 0.9},     {"hj_name", 0.7}};
    double total = 0;
    std::vector<double> w(kSaleColumns.size(), 1.0);
    for (size_t i = 0; i < kSaleColumns.size(); ++i) {
        auto it = weight.find(kSaleColumns[i].field);
        if (it != weight.end()) w[i] = it->second;
        if (!cxGrid2->isColumnHidden(static_cast<int>(i))) total += w[i];
    }
    const int available = cxGrid2->viewport()->width();
    h->setSectionResizeMode(QHeaderView::Fixed);
    for (size_t i = 0; i < w.size(); ++i)
        if (!cxGrid2->isColumnHidden(static_cast<int>(i)))
            h->resizeSection(static_cast<int>(i), static_cast<int>(available * w[i] / total));
}

void TF_PosMainForm::tickClock() {
    clockPane->setText(QString::fromStdString(ctx_.clock.now().dateTime()));
}

// ------------------------------------------------------------ menu entries --

void TF_PosMainForm::changePassword() {
    static TF_PwdModi* dialog = nullptr;  // created on first use, kept for the run
    if (!dialog) dialog = new TF_PwdModi(ctx_, this);
    dialog->exec();
}

void TF_PosMainForm::setShortcutKeys() {
    static TF_PosKey* dialog = nullptr;  // created on first use, kept for the run
    if (!dialog) {
        dialog = new TF_PosKey(ctx_, this);
        dialog->onConfirm = [this] {
            std::vector<std::string> names;
            for (const char* f : kKeyFunctions) names.push_back(functionKeyName(ctx_, f));
            showKeyNames(names);
        };
    }
    dialog->exec();
    keys_ = loadKey(ctx_);
}

void TF_PosMainForm::posFk() {
    const std::string& number = sale_.saleNumber;
    std::string refusal = checkMaxQty(ctx_, number);
    if (!refusal.empty()) {
        ctx_.messages.inform(refusal);
        return;
    }
    refusal = checkBatchStock(ctx_, number, sale_.warehouseCode(), "XS");
    if (!refusal.empty()) {
        if (!isTrue(ctx_.params.cs_kc)) {
            ctx_.messages.inform(refusal);
            return;
        }
        if (ctx_.messages.askYesNo(refusal) != Answer::Yes) return;
    }
    if (isTrue(ctx_.params.pos_dkqx)) openQx(ctx_);
    if (!payment_) payment_ = new TF_Posxs_Fk(ctx_, this);  // kept for the run
    PaymentContext sale;
    sale.number = number;
    sale.total = sale_.total;
    sale.memberNumber = sale_.member.number;
    sale.memberName = sale_.member.name;
    sale.memberMobile = sale_.member.mobile;
    std::copy(std::begin(sale_.member.eyeTest), std::end(sale_.member.eyeTest),
              sale.optical.begin());
    sale.warehouse = sale_.warehouseCode();
    sale.salesperson = getComboValue(sale_.guides, sale_.guide);
    auto staff = [](QComboBox* box, std::string& name, std::string& code) {
        name = box->currentText().toStdString();
        code = box->currentData().toString().toStdString();
    };
    staff(comYg, sale.optometristName, sale.optometristCode);
    staff(comJg, sale.processorName, sale.processorCode);
    staff(comXs, sale.sellerName, sale.sellerCode);
    // A posted sale is in the books: the screen moves on whatever follows.
    if (payment_->settle(sale)) setInitValue("");
}

void TF_PosMainForm::holdSale() {
    tbh->clear();
    if (sale_.hasLines()) posGD(ctx_, sale_, [this] { setInitValue(""); });
    refresh();
    tbh->setFocus();
}

void TF_PosMainForm::recallHeld() {
    tbh->clear();
    RecallOutcome outcome = posJG(ctx_, sale_, [this] {
        if (!heldSales_) heldSales_ = new TF_Posxs_Jg(ctx_, sale_, this);  // kept for the run
        return heldSales_->exec() == QDialog::Accepted;
    });
    if (outcome != RecallOutcome::Refused) {
        const bool member = outcome == RecallOutcome::MemberPanel;
        RzPanel_Bottom->show();
        RzPanel_Bottom1->setVisible(member);
        RzPanel_Bottom2->setVisible(!member);
        btnHelp1->setVisible(!member);
        btnHelp2->hide();
    }
    refresh();
    tbh->setFocus();
}

void TF_PosMainForm::payKey() {
    if (!sale_.hasLines() || !ctx_.session.payKeyBusy.empty()) return;
    ctx_.session.payKeyBusy = "1";
    try {
        posFk();
    } catch (...) {
        ctx_.session.payKeyBusy.clear();
        throw;
    }
    ctx_.session.payKeyBusy.clear();
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
        closeSalesWindow(ctx_, sale_.saleNumber, sale_.hasLines(), [this] { posFk(); });
    if (outcome == CloseOutcome::Stay) {
        e->ignore();
        return;
    }
    leaving_ = true;
    e->accept();
    QApplication::quit();
}

}  // namespace pos
