#include "common/defaultLookups.h"

#include "database/dataModule.h"
#include "database/posContext.h"

namespace pos {

namespace {
// The first statement's value, or the second's when the first finds nothing.
std::string firstOf(PosContext& ctx, const char* preferred, const char* fallback) {
    std::string v = ctx.db.getSqlValue(preferred);
    return v.empty() ? ctx.db.getSqlValue(fallback) : v;
}
}  // namespace

std::string getDefaultUserSn(PosContext& ctx) {
    return firstOf(ctx,
                   "select top 1 u_sn from jxc_user where u_name='' or u_name is null order by id",
                   "select top 1 u_sn from jxc_user order by id");
}

std::string getDefaultUserName(PosContext& ctx) {
    return firstOf(
        ctx, "select top 1 u_name from jxc_user where u_name='' or u_name is null order by id",
        "select top 1 u_name from jxc_user order by id");
}

std::string getDefaultGhsSn(PosContext& ctx) {
    return firstOf(
        ctx, "select top 1 ghs_sn from jxc_ghsxx where ghs_default<>0 and ghs_forbid=0 order by id",
        "select top 1 ghs_sn from jxc_ghsxx where ghs_forbid=0 order by id");
}

std::string getDefaultKhSn(PosContext& ctx) {
    return firstOf(
        ctx, "select top 1 kh_sn from jxc_khxx where kh_default<>0 and kh_forbid=0 order by id",
        "select top 1 kh_sn from jxc_khxx where kh_forbid=0 order by id");
}

std::string getDefaultKhName(PosContext& ctx) {
    return firstOf(
        ctx, "select top 1 kh_name from jxc_khxx where kh_default<>0 and kh_forbid=0 order by id",
        "select top 1 kh_name from jxc_khxx where kh_forbid=0 order by id");
}

std::string getDefaultCkName(PosContext& ctx) {
    return firstOf(ctx, "select top 1 ck_name from jxc_ckxx where ck_default<>0 order by id",
                   "select top 1 ck_name from jxc_ckxx order by id");
}

bool recordExists(PosContext& ctx, const std::string& table, const std::string& column,
                  const std::string& condition) {
    return !ctx.db.getSqlValue("select top 1 " + column + " from " + table + " " + condition)
                .empty();
}

}  // namespace pos
