#pragma once
// Document numbers: two-letter prefix + "yymmdd" + a serial per prefix and day
// starting at 10001 ("XS" sale, "XT" return, "RK"/"CK" cash in/out, "DH"
// redemption, "XF" member top-up, "SM" SMS record); member serials from "100001".
#include <string>

namespace pos {

struct PosContext;

// Next number of `prefix` for today, looking at table.column and the other
// tables that carry numbers of that prefix.
std::string getNewDjh(PosContext& ctx, const std::string& table, const std::string& column,
                      const std::string& prefix);

// The same for a date given as "yyyy-MM-dd".
std::string getNewDjhByDate(PosContext& ctx, const std::string& table, const std::string& column,
                            const std::string& prefix, const std::string& dateText);

// True when `number` may not be used by the current operator: it is in
// table.column under another operator, or already posted elsewhere.
bool isDjhUsed(PosContext& ctx, const std::string& table, const std::string& column,
               const std::string& number);

// Next member serial: the largest in table.column plus one, "100001" for the first.
std::string getNewSn(PosContext& ctx, const std::string& table, const std::string& column);

}  // namespace pos
