#include "common/docNumbers.h"

#include <algorithm>
#include <vector>

#include "database/dataModule.h"
#include "database/dbError.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "platform/clock.h"

namespace pos {

namespace {

// Tables that carry numbers of a prefix besides the caller's own.
std::vector<std::string> extraTables(const std::string& prefix) {
    if (prefix == "XS") return {"jxc_posxssp", "jxc_lsxssptemp"};
    if (prefix == "XT") return {"jxc_posthsp"};
    if (prefix == "YF" || prefix == "FK" || prefix == "YS" || prefix == "SK")
        return {"jxc_ysyfk_dj"};
    return {};
}

// Largest number matching `pattern` in the caller's table and the prefix's other tables.
std::string largestNumber(PosContext& ctx, const std::string& table, const std::string& column,
                          const std::string& prefix, const std::string& pattern) {
    std::string m = ctx.db.getSqlValue("select max(" + column + ") as sn from " + table +
                                       " where " + column + " like " + sqlQuote(pattern));
    for (const std::string& extra : extraTables(prefix)) {
        std::string v = ctx.db.getSqlValue("select max(gl_djh) as sn from " + extra +
                                           " where gl_djh like " + sqlQuote(pattern));
        if (!v.empty() && m < v) m = v;
    }
    return m;
}

std::string yymmdd(const std::string& dateText) {
    LocalDateTime d;
    if (!parseDateTime(dateText, d))
        throw ConversionError("'" + dateText + "' is not a valid date");
    return d.yymmdd();
}

std::string nextNumber(PosContext& ctx, const std::string& table, const std::string& column,
                       const std::string& prefix, const std::string& day) {
    const std::string p = prefix + day;
    // Serials have five digits, and six and more past 99999. Numbers of one
    // length compare as text in numeric order, but a longer serial sorts below
    // a shorter one (and an older, shorter number above), so each length is
    // searched on its own and shorter numbers are ignored.
    long long serial = 10000;
    for (size_t width = 5;; ++width) {
        std::string m = largestNumber(ctx, table, column, prefix, p + std::string(width, '_'));
        if (m.empty()) {
            if (width > 5) break;
            continue;
        }
        serial = std::max(serial, Value::text(m.substr(8)).asInteger());
    }
    return p + std::to_string(serial + 1);
}

}  // namespace

std::string getNewDjh(PosContext& ctx, const std::string& table, const std::string& column,
                      const std::string& prefix) {
    return nextNumber(ctx, table, column, prefix, ctx.clock.now().yymmdd());
}

std::string getNewDjhByDate(PosContext& ctx, const std::string& table, const std::string& column,
                            const std::string& prefix, const std::string& dateText) {
    return nextNumber(ctx, table, column, prefix, yymmdd(dateText));
}

bool isDjhUsed(PosContext& ctx, const std::string& table, const std::string& column,
               const std::string& number) {
    const std::string select =
        "select " + column + " as sn from " + table + " where " + column + "=" + sqlQuote(number);
    const std::string& op = ctx.session.operatorName;
    if (!ctx.db.getSqlValue(select).empty()) {
        if (ctx.db.getSqlValue(select + " and a_name=" + sqlQuote(op)).empty()) return true;
        if (!ctx.db.getSqlValue(select + " and a_name<>" + sqlQuote(op)).empty()) return true;
    }
    auto found = [&](const char* other) {
        return !ctx.db
                    .getSqlValue(std::string("select gl_djh as sn from ") + other +
                                 " where gl_djh=" + sqlQuote(number))
                    .empty();
    };
    if (number.rfind("XS", 0) == 0) return found("jxc_lsxssptemp") || found("jxc_posxssp");
    if (number.rfind("XT", 0) == 0) return found("jxc_posthsp");
    return false;
}

std::string getNewSn(PosContext& ctx, const std::string& table, const std::string& column) {
    std::string sn = ctx.db.getSqlValue("select max(" + column + ") as sn from " + table);
    if (sn.empty()) return "100001";
    return std::to_string(Value::text(sn).asInteger() + 1);
}

}  // namespace pos
