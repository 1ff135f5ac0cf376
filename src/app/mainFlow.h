#pragma once
// The life of the sales window: the start-up sequence that runs once after
// the login, the shift start, and the two questions of closing.
#include <functional>
#include <string>
#include <vector>

#include "common/comboLists.h"

namespace pos {

struct PosContext;

// What the start-up sequence asks of the sales window, in the order it asks.
class SalesWindowSetup {
  public:
    virtual ~SalesWindowSetup() = default;
    virtual void untickWholeSaleDiscount() = 0;
    // One key name per function of kKeyFunctions, in that order.
    virtual void showKeyNames(const std::vector<std::string>& names) = 0;
    virtual void setSoftPane(const std::string& text) = 0;
    virtual void setCompanyName(const std::string& text) = 0;
    virtual void setCaption(const std::string& text) = 0;
    virtual void setStaffLists(const ComboItems& optometrists, const ComboItems& processors,
                               const ComboItems& salespersons) = 0;
    virtual void initCustomerDisplay() = 0;
    virtual void newSale() = 0;
    virtual void showWindow() = 0;
    virtual void applyNumberFormats() = 0;
    virtual void showDiscountColumns(bool visible) = 0;
};

enum class StartupOutcome { Ready, NoRight };

// Runs the start-up sequence in its fixed order. The settings are loaded
// first, so that the right to use the terminal is tested with the warehouse
// binding in force. Without that right the message is shown and NoRight
// returned: the caller ends the program. Errors go to the caller.
StartupOutcome runStartupSequence(PosContext& ctx, SalesWindowSetup& window);

// The start of the operator's shift: their first record of today after the
// last record of another operator, else now.
std::string computeShiftStart(PosContext& ctx);

enum class CloseOutcome { Stay, Exit };

// Closing the sales window: with lines on the grid, "所选商品还未保存，是否保存？"
// (Yes pays, No deletes the lines, Cancel keeps them); then "是否要退出POS系统？".
// Exit: the lines of the sale are deleted, the member released and the log
// written; the caller ends the program.
CloseOutcome closeSalesWindow(PosContext& ctx, const std::string& saleNumber, bool hasLines,
                              const std::function<void()>& pay);

}  // namespace pos
