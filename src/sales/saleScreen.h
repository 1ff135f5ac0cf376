#pragma once
// The sale in progress on the sales screen: its number, the header lists, the
// goods lookup, the pricing of a new line, the totals and the deletion of
// lines. The sales window shows this state and calls these operations; the
// working lines live in jxc_lsxssp under the sale number and the operator.
#include <string>

#include "common/comboLists.h"

namespace pos {

struct PosContext;
class CustomerDisplay;
class RegistrationPrompt;

// The member panel of the sales screen (filled by the member selection).
struct MemberPanel {
    std::string number;       // hy_bh: non-empty while a member is attached
    std::string name;         // hy_name
    std::string level;        // hl_name
    std::string discount;     // hl_zk: the member level's rate
    std::string points;       // hy_jf
    std::string balance;      // hy_zhye
    std::string mobile;       // hy_mobile
    std::string eyeTest[10];  // sphere, cylinder, axis, corrected vision (left, right), pd, add
    void clear() { *this = MemberPanel{}; }
};

enum class ResetOutcome { Ready, NoGuide, NoWarehouse };
enum class LookupOutcome { NotFound, Added, Declined, Choose, NoWarehouse };

class SaleScreen {
  public:
    SaleScreen(PosContext& ctx, CustomerDisplay& display);

    // Resets for the sale `number`; an empty number starts a new sale.
    ResetOutcome setInitValue(const std::string& number);
    // Opens the working lines of `number` in Q_Posxs.
    void openGridViewData(const std::string& number);
    // Looks goods up by code, barcode, unit barcode, extra barcode or part of
    // a code, name, letter code or barcode. One row found: the line is added
    // at once; several: Choose, the rows are in Q_PosGoods for a pick.
    LookupOutcome setFilterGoods(const std::string& key, RegistrationPrompt& prompt);
    // Adds the current row of Q_PosGoods as a line; false when declined.
    bool selectGoods(RegistrationPrompt& prompt);

    std::string getPrice(const std::string& customer, const std::string& goods);
    std::string getUnitPrice(const std::string& customer, const std::string& goods,
                             const std::string& unit);
    double getUnitFactor(const std::string& goods, const std::string& unit);
    std::string getCostPrice(const std::string& goods, const std::string& warehouse,
                             const std::string& date);

    void updateBottomHjje();
    void updateBottomJe();
    // Deletes the line at `row` of Q_Posxs (0-based).
    void delCurrRec(int row);
    // Deletes all lines after the cashier confirms.
    void delAllRec();

    // The entry field's text as a lookup key: trimmed, cut at a full-width comma.
    static std::string entryKey(const std::string& text);

    // Detaches the member from the screen; refused (with its message) while the
    // sale has lines.
    bool releaseMember();

    std::string warehouseCode() const;
    bool hasLines() const;

    // The state the window shows.
    std::string saleNumber;  // gldjh
    ComboItems guides;       // comUser
    int guide = -1;
    ComboItems warehouses;  // comCk
    int warehouse = -1;
    bool warehouseEnabled = true;
    std::string total = "0";            // hjje
    std::string status = "待销售状态";  // pos_Status
    int gridFontSize = 14;
    MemberPanel member;

  private:
    bool stockRuleOn() const;
    std::string priceColumn(const std::string& customer);
    std::string rounded(const std::string& value) const;

    PosContext& ctx_;
    CustomerDisplay& display_;
};

}  // namespace pos
