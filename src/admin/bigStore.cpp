#include "admin/bigStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/pinyin.h"
#include "database/dbError.h"
#include "database/storeFiles.h"
#include "platform/clock.h"

// Generated data, not terminal logic: it is written straight through SQLite's
// own interface, with prepared statements in one transaction.

namespace pos {

namespace {

constexpr const char* kCounter = "100001";    // 门店药房
constexpr const char* kBackStore = "100002";  // 中心仓库
constexpr int kLinesPerGoods = 10;
constexpr int kSaleDays = 365;

// A small deterministic generator (splitmix64): the same size and day give the same store.
struct Rng {
    std::uint64_t s = 0x5EED5EED2024ull;
    std::uint64_t next() {
        std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }
    template <typename T>
    const T& pick(const std::vector<T>& v) {
        return v[static_cast<size_t>(below(static_cast<int>(v.size())))];
    }
};

double round2(double v) { return std::round(v * 100) / 100; }

// ---------------------------------------------------------------------------
// Dates as day numbers (days since 1970-01-01).

LocalDateTime civil(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    LocalDateTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (t.month <= 2));
    return t;
}

std::string dateText(long long days) { return civil(days).date(); }
std::string yymmdd(long long days) { return civil(days).yymmdd(); }

// ---------------------------------------------------------------------------
// Names: a prefix, a stem and a dosage form from a family's lists, so that
// many goods share fragments ("复方", "阿莫西林", "颗粒") as in a real master file.

enum class Pack { Tablet, Capsule, Granule, Vial, Bottle, Tube, Pill, Consumable, Device, Health };

struct Form {
    const char* text;
    const char* unit;
    Pack pack;
};

struct Family {
    const char* goodsClass;  // gc_sn of the demo's classes
    const char* approval;    // approval number prefix
    const char* deviceKind;  // g_qxlx of medical devices
    bool sterile;            // batches carry a sterilisation batch number
    int weight;              // share of the goods, percent
    double prescription;     // share of prescription goods
    double narcotic;         // share of narcotic-containing goods (per-sale limit)
    std::vector<const char*> prefixes, stems;
    std::vector<Form> forms;
    std::vector<const char*> makers;
};

const std::vector<const char*> kDrugMakers = {
    "禾泽制药有限公司",     "本和中药制药有限公司", "青岚药业有限公司", "远溪制药有限公司",
    "恒禾药业股份有限公司", "安澜医药科技有限公司", "云桥制药有限公司", "清源药业有限公司",
    "嘉木中药饮片有限公司", "松亭制药有限公司"};

const std::vector<Family>& families() {
    static const std::vector<Family> f = {
        {"01",
         "国药准字H20",
         "",
         false,
         52,
         0.25,
         0.04,
         {"", "", "", "复方", "小儿", "盐酸", "精制"},
         {"阿莫西林",   "头孢克肟", "头孢拉定",   "布洛芬",     "对乙酰氨基酚", "氨溴索",
          "氯雷他定",   "西替利嗪", "奥美拉唑",   "雷贝拉唑",   "二甲双胍",     "格列齐特",
          "硝苯地平",   "氨氯地平", "阿托伐他汀", "瑞舒伐他汀", "甲硝唑",       "左氧氟沙星",
          "罗红霉素",   "阿奇霉素", "蒙脱石",     "多潘立酮",   "维生素C",      "维生素B6",
          "葡萄糖酸钙", "碳酸钙",   "复合维生素", "谷维素",     "阿司匹林",     "氯化钾"},
         {{"片", "盒", Pack::Tablet},
          {"胶囊", "盒", Pack::Capsule},
          {"缓释片", "盒", Pack::Tablet},
          {"分散片", "盒", Pack::Tablet},
          {"肠溶片", "盒", Pack::Tablet},
          {"颗粒", "盒", Pack::Granule},
          {"口服液", "盒", Pack::Vial},
          {"软膏", "支", Pack::Tube},
          {"滴眼液", "支", Pack::Tube},
          {"糖浆", "瓶", Pack::Bottle},
          {"泡腾片", "盒", Pack::Tablet},
          {"咀嚼片", "盒", Pack::Tablet}},
         kDrugMakers},
        {"02",
         "国药准字Z20",
         "",
         false,
         30,
         0.05,
         0.0,
         {"", "", "复方", "浓缩", "小儿"},
         {"板蓝根",   "感冒清热", "藿香正气", "六味地黄", "牛黄解毒", "健胃消食", "逍遥",
          "银翘解毒", "双黄连",   "金银花",   "黄芪",     "当归补血", "川贝枇杷", "蒲地蓝消炎",
          "柴胡",     "丹参",     "枸杞",     "乌鸡白凤", "防风通圣", "香砂养胃"},
         {{"颗粒", "袋", Pack::Granule},
          {"丸", "瓶", Pack::Pill},
          {"片", "盒", Pack::Tablet},
          {"胶囊", "盒", Pack::Capsule},
          {"口服液", "盒", Pack::Vial},
          {"合剂", "瓶", Pack::Bottle},
          {"糖浆", "瓶", Pack::Bottle},
          {"茶", "盒", Pack::Granule}},
         kDrugMakers},
        {"03",
         "国械注准20",
         "第二类",
         true,
         8,
         0.0,
         0.0,
         {"医用", "一次性", "无菌", "儿童"},
         {"外科口罩", "棉签", "纱布块", "弹力绷带", "检查手套", "护创贴", "退热贴", "消毒棉片"},
         {{"", "包", Pack::Consumable}},
         {"沐康医疗用品有限公司", "澄明医疗器械有限公司", "安澜医疗器械有限公司"}},
        {"03",
         "国械注准20",
         "第二类",
         false,
         4,
         0.0,
         0.0,
         {"电子", "家用", "儿童", "智能"},
         {"体温计", "血压计", "雾化器", "血糖仪", "额温枪"},
         {{"", "台", Pack::Device}},
         {"澄明医疗器械有限公司", "沐康医疗用品有限公司"}},
        {"05",
         "国食健字G20",
         "",
         false,
         6,
         0.0,
         0.0,
         {"", "润元", "康宁", "健源"},
         {"蛋白粉", "鱼油", "维生素E", "辅酶Q10", "蜂胶", "葡萄籽", "益生菌", "钙维D"},
         {{"软胶囊", "瓶", Pack::Health},
          {"片", "瓶", Pack::Health},
          {"粉", "罐", Pack::Health},
          {"口服液", "盒", Pack::Vial}},
         {"润元营养食品有限公司", "健源生物科技有限公司"}},
    };
    return f;
}

std::string packSize(Rng& r, Pack pack) {
    static const std::vector<const char*> strengths = {"5mg",  "10mg",  "20mg",
                                                       "0.1g", "0.25g", "0.5g"};
    static const std::vector<int> counts = {6, 10, 12, 14, 20, 24, 36};
    auto n = [&] { return std::to_string(r.pick(counts)); };
    switch (pack) {
        case Pack::Tablet:
            return std::string(r.pick(strengths)) + "*" + n() + "片";
        case Pack::Capsule:
            return std::string(r.pick(strengths)) + "*" + n() + "粒";
        case Pack::Granule:
            return std::string(r.pick(std::vector<const char*>{"3g", "5g", "10g", "12g"})) + "*" +
                   n() + "袋";
        case Pack::Vial:
            return "10ml*" + n() + "支";
        case Pack::Bottle:
            return r.pick(std::vector<const char*>{"100ml", "120ml", "150ml", "200ml"});
        case Pack::Tube:
            return r.pick(std::vector<const char*>{"5ml", "8ml", "10g", "15g", "20g"});
        case Pack::Pill:
            return r.pick(std::vector<const char*>{"200丸", "360丸", "60g", "9g*10丸"});
        case Pack::Consumable:
            return r.pick(std::vector<const char*>{"10只", "50支", "20片", "100片", "5卷"});
        case Pack::Device:
            return r.pick(std::vector<const char*>{"笔式", "上臂式", "腕式", "家用型"});
        case Pack::Health:
            return r.pick(std::vector<const char*>{"60粒", "100粒", "400g", "90片"});
    }
    return {};
}

// 12 digits and their EAN-13 check digit.
std::string ean13(const std::string& body) {
    int sum = 0;
    for (size_t i = 0; i < body.size(); ++i) sum += (body[i] - '0') * (i % 2 ? 3 : 1);
    return body + static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string digits(long long v, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", width, v);
    return buf;
}

// ---------------------------------------------------------------------------
// The generated rows, kept in memory until written.

struct Batch {
    const char* warehouse;
    std::string number, expiry, made, sterile, received;
    double qty;
};

struct Goods {
    std::string code, barcode, name, letters, unit, size, approval, maker, shelf, goodsClass,
        deviceKind;
    double price = 0, cost = 0, avgCost = 0;
    bool prescription = false, special = false, offSale = false;
    double maxQty = 0;
    std::vector<Batch> batches;
    double sold = 0;  // base units sold from the counter
    int lines = 0;    // posted sale lines
};

Goods makeGoods(Rng& r, int i, long long today) {
    Goods g;
    g.code = "2" + digits(i + 1, 7);
    // Bijective over the ten digits (7919 is prime to 10^10): unique barcodes.
    g.barcode =
        ean13("69" + digits((1234567 + static_cast<long long>(i) * 7919) % 10000000000LL, 10));

    int roll = r.below(100);
    const Family* fam = &families().front();
    for (const Family& f : families()) {
        if (roll < f.weight) {
            fam = &f;
            break;
        }
        roll -= f.weight;
    }
    const Form& form = r.pick(fam->forms);
    g.name = std::string(r.pick(fam->prefixes)) + r.pick(fam->stems) + form.text;
    g.letters = getPinyinCode(g.name);
    g.unit = form.unit;
    g.size = packSize(r, form.pack);
    g.goodsClass = fam->goodsClass;
    g.approval = fam->approval + digits(r.below(10000000), 7);
    g.maker = r.pick(fam->makers);
    g.deviceKind = fam->deviceKind;
    g.prescription = r.chance(fam->prescription);
    if (r.chance(fam->narcotic)) g.maxQty = 2;
    g.offSale = r.chance(0.005);
    g.special = !g.offSale && r.chance(0.01);
    g.shelf = g.prescription ? "处方柜" + std::string(1, static_cast<char>('A' + r.below(6))) +
                                   std::to_string(r.between(1, 9))
                             : std::string(1, static_cast<char>('A' + r.below(8))) + "-" +
                                   digits(r.between(1, 40), 2);

    // Cost from 1.20 to 150 (more cheap goods than dear ones), retail price 35..85% above.
    g.cost = round2(std::exp(std::log(1.2) + r.unit() * (std::log(150.0) - std::log(1.2))));
    g.price = std::ceil(g.cost * (1.35 + 0.5 * r.unit()) * 10) / 10;
    g.avgCost = round2(g.cost * (0.97 + 0.06 * r.unit()));

    // Batches: four goods in a row hold 2 + 2 + 3 + 1 batches (two per goods on
    // average); every goods has one in the counter's warehouse.
    static const std::vector<std::vector<const char*>> patterns = {
        {kCounter, kCounter}, {kCounter, kBackStore}, {kCounter, kCounter, kBackStore}, {kCounter}};
    const auto& where = patterns[static_cast<size_t>(i % 4)];
    // Days of shelf life left: the counter's first batch mostly within two years
    // (2% of goods already expired), a later batch beyond it; all made in the past.
    const int shelfLife = r.chance(0.5) ? 730 : 1095;
    const char letter = static_cast<char>('A' + r.below(26));
    long long left = r.chance(0.02) ? -r.between(10, 300) : r.between(45, shelfLife - 90);
    int counterBatches = 0;
    for (const char* w : where) {
        Batch b;
        b.warehouse = w;
        const bool counter = w == kCounter;
        if (counter && counterBatches++ > 0)
            left = std::min<long long>(left + r.between(60, 400), shelfLife - 10);
        const long long expiry = today + (counter ? left : r.between(180, shelfLife - 10));
        const long long made = expiry - shelfLife;
        b.expiry = dateText(expiry);
        b.made = dateText(made);
        b.number = letter + yymmdd(made);
        if (fam->sterile) b.sterile = "MJ" + yymmdd(made).substr(0, 4);
        b.received = dateText(std::min(today - 1, made + r.between(20, 90)));
        b.qty = counter ? r.between(5, 120) : r.between(50, 500);
        g.batches.push_back(std::move(b));
    }
    // A few goods sold out their older counter batch.
    if (where.size() > 1 && where[1] == kCounter && r.chance(0.03)) g.batches.front().qty = 0;
    return g;
}

// ---------------------------------------------------------------------------
// Writing.

class Store {
  public:
    explicit Store(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            fail();
    }
    ~Store() { sqlite3_close_v2(db_); }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    void exec(const char* sql) {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail();
    }
    [[noreturn]] void fail() const { throw DbError(db_ ? sqlite3_errmsg(db_) : "out of memory"); }
    sqlite3* handle() const { return db_; }

  private:
    sqlite3* db_ = nullptr;
};

// "insert into T (a,b,c) values (?,?,?)", bound column by column in the listed order.
class Insert {
  public:
    Insert(Store& store, const std::string& table, const std::string& columns) : store_(store) {
        std::string marks = "?";
        for (char c : columns)
            if (c == ',') marks += ",?";
        const std::string sql =
            "insert into " + table + " (" + columns + ") values (" + marks + ")";
        if (sqlite3_prepare_v2(store.handle(), sql.c_str(), -1, &st_, nullptr) != SQLITE_OK)
            store.fail();
    }
    ~Insert() { sqlite3_finalize(st_); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    Insert& text(std::string_view v) {
        sqlite3_bind_text(st_, ++col_, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Insert& real(double v) {
        sqlite3_bind_double(st_, ++col_, v);
        return *this;
    }
    Insert& integer(long long v) {
        sqlite3_bind_int64(st_, ++col_, v);
        return *this;
    }
    void run() {
        if (sqlite3_step(st_) != SQLITE_DONE) store_.fail();
        sqlite3_reset(st_);
        col_ = 0;
    }

  private:
    Store& store_;
    sqlite3_stmt* st_ = nullptr;
    int col_ = 0;
};

// One year of posted retail sales of the walk-in customer: `docs` sales,
// kLinesPerGoods × goods lines in all.
void writeSales(Store& store, Rng& r, std::vector<Goods>& goods, long long today) {
    Insert head(
        store, "jxc_lsxsd",
        "gl_djh,kh_sn,ck_sn,u_sn,hy_sn,a_name,ls_xsrq,ls_yfje,ls_sfje,ls_yhje,ls_lr,ls_jsfs,"
        "ls_kmmc,ls_note,ls_status,ls_checker,ls_chkrq,pos_xj");
    Insert line(
        store, "jxc_lsxssp",
        "gl_djh,g_sn,a_name,dw_name,g_sptm,g_zhxs,ls_dj,ls_dzl,ls_dhdj,ls_sl,ls_cksl,ls_zsl,"
        "ls_je,ls_zje,ls_zhje,ls_tax,ls_taxje,ls_taxdj,ls_lsj,ls_cbj,ls_cbj2,ls_zcb,t_yxq,"
        "t_ph,t_mjph,t_scrq,t_zp,t_cfsm");
    static const std::vector<const char*> guides = {"100001", "100002", "100005"};
    static const std::vector<const char*> members = {"100002", "100003", "100004", "100005"};
    const int n = static_cast<int>(goods.size());
    const int docs = n;
    const int popular = std::max(1, n / 20);

    struct Line {
        int goods;
        int qty;
        double amount, cost;
    };
    std::vector<Line> lines;
    long long day = -1;
    int serial = 0;
    int delta = 0;
    for (int k = 0; k < docs; ++k) {
        // Sales spread evenly over the year before today, numbered per day.
        const long long d = today - kSaleDays + static_cast<long long>(k) * kSaleDays / docs;
        if (d != day) {
            day = d;
            serial = 10000;
        }
        const std::string number = "XS" + yymmdd(d) + std::to_string(++serial);
        // 5..15 lines, pairs of sales balancing each other: 10 per sale on average.
        int count = kLinesPerGoods;
        if (k % 2 == 0) {
            delta = k + 1 < docs ? r.between(-5, 5) : 0;
            count += delta;
        } else {
            count -= delta;
        }
        const bool member = r.chance(0.15);
        const double rate = member ? 0.95 : 1;
        const char* op = r.chance(0.8) ? "收银员" : "管理员";

        lines.clear();
        double due = 0, cost = 0;
        for (int j = 0; j < count; ++j) {
            // Half the lines are the best-selling twentieth of the goods.
            const int gi = r.chance(0.5) ? r.below(popular) * (n / popular) : r.below(n);
            const int qty = r.chance(0.8) ? 1 : r.chance(0.75) ? 2 : 3;
            const Goods& g = goods[static_cast<size_t>(gi)];
            Line l{gi, qty, round2(g.price * rate * qty), round2(g.avgCost * qty)};
            due += l.amount;
            cost += l.cost;
            lines.push_back(l);
        }
        due = round2(due);
        const std::string date = dateText(d);
        head.text(number)
            .text(kCounter)
            .text(kCounter)
            .text(r.pick(guides))
            .text(member ? r.pick(members) : "")
            .text(op)
            .text(date)
            .real(due)
            .real(due)
            .real(0)
            .real(round2(due - cost))
            .integer(0)
            .text("现金")
            .text("")
            .integer(1)
            .text(op)
            .text(date)
            .real(due)
            .run();
        for (const Line& l : lines) {
            Goods& g = goods[static_cast<size_t>(l.goods)];
            const Batch& b = g.batches.front();  // the counter's first batch
            const double price = round2(g.price * rate);
            line.text(number)
                .text(g.code)
                .text(op)
                .text(g.unit)
                .text(g.barcode)
                .real(1)
                .real(g.price)
                .real(rate)
                .real(price)
                .real(l.qty)
                .real(l.qty)
                .real(l.qty)
                .real(l.amount)
                .real(l.amount)
                .real(l.amount)
                .real(0)
                .real(0)
                .real(g.price)
                .real(g.price)
                .real(g.avgCost)
                .real(g.avgCost)
                .real(l.cost)
                .text(b.expiry)
                .text(b.number)
                .text(b.sterile)
                .text(b.made)
                .text("")
                .text(g.maxQty > 0     ? "已实名登记，可以销售。"
                      : g.prescription ? "已出具处方，可以销售。"
                                       : "")
                .run();
            g.sold += l.qty;
            ++g.lines;
        }
    }
}

void writeGoods(Store& store, const std::vector<Goods>& goods, long long today) {
    Insert item(store, "jxc_goods",
                "g_sn,g_name,g_jm,g_sptm,gc_sn,dw_name,gg_name,color_name,g_sccs,hj_name,g_bz,"
                "g_qxlx,g_yjlx,g_sj,g_sj1,g_sj2,g_sj3,g_lsj,g_jj,g_pjjj,g_tax,g_gdcbj,g_jy,g_dzll,"
                "g_tjsp,g_tjqx,g_ks,g_js,g_tj,g_hyj,g_dxdz,g_iscf,g_xzsl,g_tssp,g_tsjf,g_iszp,g_sy,"
                "g_zpjf,g_kc,g_xspl");
    Insert batch(store, "jxc_tkc", "g_sn,ck_sn,t_ph,t_yxq,t_scrq,t_mjph,t_jhrq,t_sl");
    Insert stock(store, "jxc_kcsp", "ck_sn,g_sn,kc_sl,kc_zsl,kc_xssl,kc_cbj");
    Insert ledger(
        store, "jxc_goodslist",
        "gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gg_name,color_name,ck_sn,ck_name,"
        "ghs_sn,ghs_name,u_name,a_name,gl_sl,gl_sysl,gl_dj,gl_je,gl_zje,gl_lr,gl_dzl,"
        "gl_cbj,gl_zcb,gl_sqsl,gl_sqje,gl_kc,gl_kczje,gl_pjjj,gl_fdmc,gl_checker,"
        "gl_chkrq,gl_note");
    // Opening stock of every goods, entered before the year of sales.
    const long long opening = today - kSaleDays - 30;
    const std::string openingDate = dateText(opening);
    const std::string openingNumber = "QC" + yymmdd(opening) + "10001";

    for (const Goods& g : goods) {
        double counter = 0, back = 0;
        for (const Batch& b : g.batches) {
            (b.warehouse == kCounter ? counter : back) += b.qty;
            batch.text(g.code)
                .text(b.warehouse)
                .text(b.number)
                .text(b.expiry)
                .text(b.made)
                .text(b.sterile)
                .text(b.received)
                .real(b.qty)
                .run();
        }
        item.text(g.code)
            .text(g.name)
            .text(g.letters)
            .text(g.barcode)
            .text(g.goodsClass)
            .text(g.unit)
            .text(g.size)
            .text(g.approval)
            .text(g.maker)
            .text(g.shelf)
            .text("")
            .text(g.deviceKind)
            .text("")
            .real(g.price)
            .real(round2(g.price * 0.95))
            .real(round2(g.price * 0.9))
            .real(round2(g.price * 0.85))
            .real(g.price)
            .real(g.cost)
            .real(g.avgCost)
            .real(13)
            .integer(0)
            .integer(g.offSale ? 1 : 0)
            .real(1)
            .integer(g.special ? 1 : 0)
            .integer(0)
            .text("")
            .text("")
            .real(g.special ? round2(g.price * 0.85) : 0)
            .real(g.special ? round2(g.price * 0.8) : 0)
            .integer(0)
            .integer(g.prescription ? 1 : 0)
            .real(g.maxQty)
            .integer(0)
            .real(0)
            .integer(0)
            .integer(1)
            .real(0)
            .real(counter + back)
            .integer(g.lines)
            .run();
        for (const char* w : {kCounter, kBackStore}) {
            const double qty = w == kCounter ? counter : back;
            const bool held = std::any_of(g.batches.begin(), g.batches.end(),
                                          [&](const Batch& b) { return b.warehouse == w; });
            if (!held) continue;
            const double sold = w == kCounter ? g.sold : 0;
            stock.text(w).text(g.code).real(qty).real(qty).real(sold).real(g.avgCost).run();
            const double value = round2(qty * g.avgCost);
            ledger.text("qc")
                .text(openingNumber)
                .text(openingDate)
                .text(g.code)
                .text(g.name)
                .text(g.letters)
                .text(g.unit)
                .text(g.size)
                .text(g.approval)
                .text(w)
                .text(w == kCounter ? "门店药房" : "中心仓库")
                .text("")
                .text("")
                .text("")
                .text("管理员")
                .real(qty)
                .real(qty)
                .real(g.avgCost)
                .real(value)
                .real(value)
                .real(0)
                .real(1)
                .real(g.avgCost)
                .real(value)
                .real(0)
                .real(0)
                .real(qty)
                .real(value)
                .real(g.avgCost)
                .text("")
                .text("管理员")
                .text(openingDate)
                .text("期初库存")
                .run();
        }
    }
}

void fill(const std::string& path, const Clock& clock, int count) {
    const LocalDateTime now = clock.now();
    const long long today = daysFromCivil(now.year, now.month, now.day);
    Rng r;
    std::vector<Goods> goods;
    goods.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) goods.push_back(makeGoods(r, i, today));
    // Four goods in a row hold eight batches; the last goods evens the total at 2 × goods.
    size_t batches = 0;
    for (const Goods& g : goods) batches += g.batches.size();
    Goods& last = goods.back();
    while (batches > 2 * goods.size()) {
        last.batches.pop_back();
        --batches;
    }

    Store store(path);
    // A new file that is removed on failure: no journal to keep, no sync to wait for.
    store.exec("PRAGMA journal_mode=DELETE; PRAGMA synchronous=OFF; PRAGMA cache_size=-131072;");
    store.exec("BEGIN");
    writeSales(store, r, goods, today);
    writeGoods(store, goods, today);
    store.exec("COMMIT");
    store.exec("PRAGMA journal_mode=WAL");
}

}  // namespace

void createBigStore(const std::string& path, const Clock& clock, int goods) {
    if (goods < 1 || goods > kBigStoreMaxGoods)
        throw std::invalid_argument("the number of goods must be from 1 to " +
                                    std::to_string(kBigStoreMaxGoods));
    createDemoStore(path, clock);  // refuses a file that exists
    try {
        fill(path, clock, goods);
    } catch (...) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        std::filesystem::remove(path + "-wal", ec);
        std::filesystem::remove(path + "-shm", ec);
        throw;
    }
}

}  // namespace pos
