#include "sales/skin.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"

namespace pos {

std::string skinFilePath(const std::string& programDir, const std::string& skinName) {
    // The name comes from the store: never let it reach outside the skin folder.
    if (skinName.empty() || skinName.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        return {};
    std::string dir = programDir;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir + "skinfiles/" + skinName + ".skinres";
}

std::optional<std::string> readSkinFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    // Editors on the back office's machines save UTF-8 with a byte-order mark;
    // left in, it would spoil the first selector of the sheet.
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) return std::nullopt;
    return text;
}

std::string skinBeforeLogin(PosContext& ctx) {
    return ctx.db.getSqlValue("select top 1 skin_name from jxc_skin order by id");
}

std::string operatorSkin(PosContext& ctx) {
    const std::string& name = ctx.session.operatorName;
    if (name.empty()) return skinBeforeLogin(ctx);
    std::string skin =
        ctx.db.getSqlValue("select skin_name from jxc_skin where a_name=" + sqlQuote(name));
    if (!skin.empty()) return skin;
    // A row whose skin name was blanked gets the default; only an operator
    // without any row gets a new one (else every login would add a row).
    if (ctx.db.execSql("update jxc_skin set skin_name=" + sqlQuote(kDefaultSkin) +
                       " where a_name=" + sqlQuote(name) +
                       " and (skin_name is null or skin_name='')") == 0)
        ctx.db.execSql("insert into jxc_skin (skin_name,a_name) values (" + sqlQuote(kDefaultSkin) +
                       "," + sqlQuote(name) + ")");
    return kDefaultSkin;
}

}  // namespace pos
