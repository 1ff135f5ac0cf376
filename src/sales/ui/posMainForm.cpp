#include "sales/ui/posMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDialog>
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
#include "checkout/payment.h"
#include "checkout/ui/posxs_fk.h"
#include "common/operationLog.h"
#include "common/textGuards.h"
#include "common/ui/currencyEdit.h"
#include "common/ui/inputValidator.h"
#include "common/ui/numberFormatting.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/systemParameters.h"
#include "database/ui/gridFooterBar.h"
#include "database/ui/grids.h"
#include "database/ui/queryModel.h"
#include "login/ui/login.h"
#include "login/ui/pwdmodi.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/programDir.h"
#include "returns/supervisor.h"
#include "returns/ui/posxs_login.h"
#include "sales/heldSales.h"
#include "sales/ui/keyCodes.h"
#include "sales/ui/poskey.h"
#include "sales/ui/posxs_cfy.h"
#include "sales/ui/posxs_jg.h"
#include "sales/ui/skinApplier.h"
#include "sales/ui/xtsd.h"

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

}  // namespace

TF_PosMainForm::TF_PosMainForm(PosContext& ctx, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), sale_(ctx, display_) {
    buildLayout();
    registration_ = std::make_unique<QtRegistrationPrompt>(ctx_, this);
    supervisor_ = std::make_unique<QtSupervisorPrompt>(ctx_, this);
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
    auto authorised = [this](const char* caption, const char* what) {
        if (askSupervisor(ctx_, *supervisor_, caption)) notYet(what);
        clearSupervisor(ctx_.session);
    };
    menu->addAction("商品列表字体设置(&L)", this, &TF_PosMainForm::setGridFont);
    menu->addAction("打印当前收银员明细(&M)", this, [this] { notYet("打印当前收银员明细"); });
    menu->addAction("快捷键设置(&N)", this, &TF_PosMainForm::setShortcutKeys);
    menu->addAction("打印设置(&O)", this, [this] { notYet("打印设置"); });
    menu->addAction("修改密码(&P)", this, &TF_PosMainForm::changePassword);
    menu->addAction("补打小票(&Q)", this, [this] { notYet("补打小票"); });
    menu->addAction("挂账查询(&R)", this, &TF_PosMainForm::recallHeld);
    menu->addAction("兑换赠品(&S)", this, [this] { notYet("兑换赠品"); });
    menu->addAction("增加会员(&T)", this, [this] { notYet("增加会员"); });
    menu->addAction("会员充值(&U)", this, [this] {
        if (sale_.member.number.empty())
            ctx_.messages.inform("请先选中会员，然后才能充值！");
        else
            notYet("会员充值");
    });
    menu->addAction("入款(&V)", this, [=] { authorised(kCashInAuthorisation, "入款"); });
    menu->addAction("出款(&W)", this, [=] { authorised(kCashOutAuthorisation, "出款"); });
    menu->addAction("顾客退货(&X)", this, [=] { authorised(kReturnAuthorisation, "顾客退货"); });
    menu->addAction("换班(&Y)", this, [this] {
        if (sale_.hasLines())
            ctx_.messages.inform("系统处于销售状态，不能换班！");
        else
            notYet("换班");
    });
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
    tbh->setValidator(new RefusedCharacters(tbh, true));
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
    cxGrid1 = makeReadOnlyGrid(RzPanel_Goods);
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
    cxGrid2 = makeReadOnlyGrid(central);
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
    btnClose->setToolTip("隐藏会员面板,并清空会员信息");
    members->addWidget(btnClose, 0, 12, Qt::AlignRight | Qt::AlignTop);
    connect(btnClose, &QToolButton::clicked, this, [this] {
        if (!sale_.releaseMember()) return;
        RzPanel_Bottom->hide();
        RzPanel_Bottom1->hide();
        RzPanel_Bottom2->show();
        btnHelp1->hide();
        btnHelp2->show();
        refresh();
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

    // 8. The line edit panel and the goods picture float over the grid.
    RzPanel_Spsl = new QFrame(central);
    RzPanel_Spsl->setFrameShape(QFrame::Panel);
    RzPanel_Spsl->setFrameShadow(QFrame::Raised);
    RzPanel_Spsl->setAutoFillBackground(true);
    auto* edit = new QGridLayout(RzPanel_Spsl);
    spName = new QLabel(RzPanel_Spsl);
    spName->setWordWrap(true);
    spyj = new CurrencyEdit(RzPanel_Spsl);
    spyj->setReadOnly(true);
    spdj = new CurrencyEdit(RzPanel_Spsl);
    chkDj = new QCheckBox("永久改变该商品的价格(F7)", RzPanel_Spsl);
    dzl = new CurrencyEdit(RzPanel_Spsl);
    dzl->setDecimals(4);
    chkZdzk = new QCheckBox("整单折扣(F8)", RzPanel_Spsl);
    spSl = new QLabel(RzPanel_Spsl);
    xsl = new CurrencyEdit(RzPanel_Spsl);
    btnSave = new QPushButton("确定(F5)", RzPanel_Spsl);
    btnExit = new QPushButton("退出(Esc)", RzPanel_Spsl);
    int r = 0;
    edit->addWidget(caption("商品名称：", RzPanel_Spsl), r, 0);
    edit->addWidget(spName, r++, 1);
    edit->addWidget(caption("商品原价：", RzPanel_Spsl), r, 0);
    edit->addWidget(spyj, r++, 1);
    edit->addWidget(caption("商品单价：", RzPanel_Spsl), r, 0);
    edit->addWidget(spdj, r++, 1);
    edit->addWidget(chkDj, r++, 0, 1, 2);
    edit->addWidget(caption("折  扣  率：", RzPanel_Spsl), r, 0);
    edit->addWidget(dzl, r++, 1);
    edit->addWidget(chkZdzk, r++, 0, 1, 2);
    edit->addWidget(caption("原  数  量：", RzPanel_Spsl), r, 0);
    edit->addWidget(spSl, r++, 1);
    edit->addWidget(caption("新  数  量：", RzPanel_Spsl), r, 0);
    edit->addWidget(xsl, r++, 1);
    auto* panelButtons = new QHBoxLayout;
    panelButtons->addWidget(btnSave);
    panelButtons->addWidget(btnExit);
    edit->addLayout(panelButtons, r, 0, 1, 2);
    RzPanel_Spsl->setFixedSize(280, 320);
    RzPanel_Spsl->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{spyj, spdj, chkDj, dzl, chkZdzk, xsl, btnSave, btnExit})
        w->installEventFilter(this);
    connect(btnSave, &QPushButton::clicked, this, &TF_PosMainForm::btnSaveClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_PosMainForm::btnExitClick);
    connect(cxGrid2, &QTableView::pressed, this, [this] { RzPanel_Spsl->hide(); });

    Image_Pic = new QLabel(central);
    Image_Pic->setFrameShape(QFrame::Box);
    Image_Pic->setAlignment(Qt::AlignCenter);
    Image_Pic->setAutoFillBackground(true);
    Image_Pic->setFixedSize(220, 320);
    Image_Pic->installEventFilter(this);
    Image_Pic->hide();

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
    if (watched == Image_Pic && event->type() == QEvent::MouseButtonPress) {
        Image_Pic->hide();
        return true;
    }
    if (event->type() == QEvent::KeyRelease && RzPanel_Spsl->isVisible() && panel_) {
        // The rate and the discounted price follow each other as they are typed.
        if (watched == dzl) {
            panel_->rate = dzl->value();
            rateEdited(*panel_);
            spdj->setValue(panel_->price);
        } else if (watched == spdj) {
            panel_->price = spdj->value();
            priceEdited(*panel_);
            dzl->setValue(panel_->rate);
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (RzPanel_Spsl->isVisible()) {
            if (panelKeyDown(key, watched == xsl)) return true;
        } else if ((watched == tbh || watched == cxGrid2) && formKeyDown(key)) {
            return true;
        }
    }
    if (watched == tbh) {
        if (event->type() == QEvent::FocusIn) {
            RzPanel_Goods->hide();
            RzPanel_Spsl->hide();
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

void TF_PosMainForm::untickWholeSaleDiscount() { chkZdzk->setChecked(false); }

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
    setQtyEditFormat(*xsl, ctx_.params);
    setPriceEditFormat(*spyj, ctx_.params);
    setPriceEditFormat(*spdj, ctx_.params);
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
    if (!pwdModi_) pwdModi_ = new TF_PwdModi(ctx_, this);  // kept for the run
    pwdModi_->exec();
}

void TF_PosMainForm::setShortcutKeys() {
    if (!posKey_) {  // kept for the run
        posKey_ = new TF_PosKey(ctx_, this);
        posKey_->onConfirm = [this] {
            std::vector<std::string> names;
            for (const char* f : kKeyFunctions) names.push_back(functionKeyName(ctx_, f));
            showKeyNames(names);
        };
    }
    posKey_->exec();
    keys_ = loadKey(ctx_);
}

void TF_PosMainForm::posFk() {
    const std::string& number = sale_.saleNumber;
    if (!checkBeforePayment(ctx_, number, sale_.warehouseCode())) return;
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
    if (RzPanel_Spsl->isVisible() ? panelKeyDown(e, false) : formKeyDown(e)) return;
    QMainWindow::keyPressEvent(e);
}

bool TF_PosMainForm::formKeyDown(QKeyEvent* key) {
    const int code = virtualKeyCode(key->key(), key->modifiers());
    if (code == 0) return false;
    // Every function of the key runs, in this order: a key given to two runs both.
    auto is = [&](const char* function) { return keys_.codeOf(function) == code; };
    const bool lines = sale_.hasLines();
    bool handled = false;
    if (code == 112) {  // F1: the bottom panel
        if (RzPanel_Bottom->isVisible() && RzPanel_Bottom2->isVisible())
            btnHelp1->click();
        else if (!RzPanel_Bottom->isVisible() && !RzPanel_Bottom1->isVisible())
            btnHelp2->click();
        handled = true;
    }
    if (code == 27) {
        close();
        return true;
    }
    if (is("删除当前") && lines) {
        delCurrRec();
        handled = true;
    }
    if (is("删除全部") && lines) {
        delAllRec();
        handled = true;
    }
    if (is("挂单")) {
        holdSale();
        handled = true;
    }
    if (is("解挂")) {
        recallHeld();
        handled = true;
    }
    if (is("修改数量") && lines) {
        tbh->clear();
        posYxsp(LineEditMode::Quantity);
        handled = true;
    }
    if (is("修改折扣") && lines) {
        tbh->clear();
        posYxsp(LineEditMode::Price);
        handled = true;
    }
    if (is("选择会员")) {
        posHy();
        tbh->clear();
        handled = true;
    }
    if (code == 116 || is("付款结账")) {
        payKey();
        tbh->clear();
        handled = true;
    }
    if (is("锁定屏幕")) {
        tbh->clear();
        suoJi(ctx_, this);
        handled = true;
    }
    if (is("打开钱箱")) {
        tbh->clear();
        openQx(ctx_);
        handled = true;
    }
    if (is("浏览图片")) {
        tbh->clear();
        if (lines) dispPic();
        handled = true;
    }
    if (is("设为赠品")) {
        tbh->clear();
        if (lines) setGift();
        handled = true;
    }
    return handled;
}

bool TF_PosMainForm::panelKeyDown(QKeyEvent* key, bool inQuantity) {
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (inQuantity || xsl->hasFocus())
                btnSaveClick();
            else
                focusNextChild();
            return true;
        case Qt::Key_Escape:
            btnExitClick();
            return true;
        case Qt::Key_F7:
            if (chkDj->isEnabled()) chkDj->toggle();
            return true;
        case Qt::Key_F8:
            if (chkZdzk->isEnabled()) chkZdzk->toggle();
            return true;
        case Qt::Key_F5:
            btnSaveClick();
            return true;
        default:
            return false;
    }
}

int TF_PosMainForm::selectedRow() const {
    QModelIndex current = cxGrid2->currentIndex();
    return current.isValid() ? current.row() : ctx_.db.Q_Posxs.recordCount() - 1;
}

void TF_PosMainForm::posYxsp(LineEditMode mode) {
    const int row = selectedRow();
    panel_ = openLineEdit(ctx_, sale_, row, mode, *supervisor_);
    if (!panel_) return;
    spName->setText(QString::fromStdString(panel_->goodsName));
    spyj->setValue(panel_->listPrice);
    spdj->setValue(panel_->price);
    dzl->setValue(panel_->rate);
    spSl->setText(QString::fromStdString(formatNumber(panel_->currentQty)));
    xsl->setValue(panel_->newQty);
    chkDj->setChecked(false);
    chkZdzk->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{spdj, dzl, chkDj, chkZdzk})
        w->setEnabled(panel_->priceEditable);
    // Beside the warehouse list, below the header by a row and 60 pixels, never below 600.
    QPoint at = comCk->mapTo(centralWidget(), QPoint(0, comCk->height()));
    at.setY(std::min(at.y() + cxGrid2->verticalHeader()->defaultSectionSize() + 60, 600));
    RzPanel_Spsl->move(at);
    refresh();
    cxGrid2->selectRow(row);
    RzPanel_Spsl->show();
    RzPanel_Spsl->raise();
    CurrencyEdit* first = panel_->priceEditable ? dzl : xsl;
    first->setFocus();
    first->selectAll();
}

void TF_PosMainForm::btnSaveClick() {
    if (!panel_) return;
    panel_->listPrice = spyj->value();
    panel_->price = spdj->value();
    panel_->rate = dzl->value();
    panel_->newQty = xsl->value() < 0 ? 1 : xsl->value();  // a negative quantity means one
    panel_->permanentPrice = chkDj->isEnabled() && chkDj->isChecked();
    panel_->wholeSale = chkZdzk->isEnabled() && chkZdzk->isChecked();
    LineEditOutcome outcome = saveLineEdit(ctx_, sale_, *panel_);
    if (!closesPanel(outcome)) return;  // the refusal was shown; the cashier corrects the value
    const int row = ctx_.db.Q_Posxs.currentRow();
    RzPanel_Spsl->hide();
    refresh();
    cxGrid2->selectRow(row);
    tbh->setFocus();
}

void TF_PosMainForm::btnExitClick() {
    RzPanel_Spsl->hide();
    tbh->setFocus();
}

void TF_PosMainForm::setGift() {
    if (setZp(ctx_, sale_, selectedRow())) {
        const int row = ctx_.db.Q_Posxs.currentRow();
        refresh();
        cxGrid2->selectRow(row);
    }
    tbh->setFocus();
}

void TF_PosMainForm::dispPic() {
    if (Image_Pic->isVisible()) {
        Image_Pic->hide();
        return;
    }
    Image_Pic->clear();
    Query& lines = ctx_.db.Q_Posxs;
    lines.moveTo(selectedRow());
    QPixmap picture(
        QString::fromStdString(programDirectory() + "picture/" + lines.fieldText("g_sn") + ".jpg"));
    if (!picture.isNull())
        Image_Pic->setPixmap(
            picture.scaled(Image_Pic->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    QWidget* c = centralWidget();
    Image_Pic->move(std::max(0, c->width() - 240), std::max(0, c->height() - 350));
    Image_Pic->show();
    Image_Pic->raise();
}

void TF_PosMainForm::posHy() {
    ctx_.session.memberBalance.clear();
    notYet("选择会员");
    showBottomPanel();
    sale_.openGridViewData(sale_.saleNumber);
    sale_.updateBottomHjje();
    refresh();
}

void TF_PosMainForm::showBottomPanel() {
    const bool member = !ctx_.session.memberBalance.empty();
    RzPanel_Bottom->show();
    RzPanel_Bottom1->setVisible(member);
    RzPanel_Bottom2->setVisible(!member);
    btnHelp1->setVisible(!member);
    btnHelp2->hide();
}

void TF_PosMainForm::setGridFont() {
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, cxGrid2->font(), this, "商品列表字体设置");
    if (!ok) return;
    const int size = font.pointSize() > 0 ? font.pointSize() : sale_.gridFontSize;
    ctx_.db.execSql("delete from jxc_posfont");
    ctx_.db.execSql("insert into jxc_posfont (font_size) values ('" + std::to_string(size) + "')");
    sale_.gridFontSize = size;
    refresh();
}

void TF_PosMainForm::notYet(const char* what) {
    ctx_.messages.inform(std::string("“") + what + "”功能尚未开通！");
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
