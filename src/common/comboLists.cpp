#include "common/comboLists.h"

#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"
#include "login/rights.h"

namespace pos {

namespace {

ComboItem coded(std::string text, std::string code) {
    return {std::move(text), TMyObject{std::move(code)}};
}

// Reads the rows of `statement` through QueryTmp.
void addRows(PosContext& ctx, ComboItems& items, const std::string& statement,
             const std::string& nameField, const std::string* codeField) {
    Query& q = ctx.db.QueryTmp;
    ctx.db.openSql(q, statement);
    for (q.first(); !q.eof(); q.next()) {
        if (codeField)
            items.push_back(coded(q.fieldText(nameField), q.fieldText(*codeField)));
        else
            items.push_back({q.fieldText(nameField), std::nullopt});
    }
    q.close();
}

}  // namespace

ComboItems fillCombo(PosContext& ctx, const std::string& table, const std::string& field,
                     const std::string& orderBy, const std::string& addBlank,
                     const std::string& firstItem) {
    ComboItems items;
    if (!firstItem.empty()) items.push_back({firstItem, std::nullopt});
    if (addBlank == "1") items.push_back({"", std::nullopt});
    addRows(ctx, items, "select * from " + table + " order by " + orderBy, field, nullptr);
    return items;
}

ComboItems fillComboWhere(PosContext& ctx, const std::string& table, const std::string& field,
                          const std::string& orderBy, const std::string& where,
                          const std::string& addBlank, const std::string& extraItem) {
    ComboItems items;
    if (addBlank == "1") items.push_back({"", std::nullopt});
    if (where.empty() && !extraItem.empty()) items.push_back({extraItem, std::nullopt});
    addRows(ctx, items, "select * from " + table + " " + where + " order by " + orderBy, field,
            nullptr);
    if (!where.empty() && !extraItem.empty()) items.push_back({extraItem, std::nullopt});
    return items;
}

ComboItems fillCodeCombo(PosContext& ctx, const std::string& table, const std::string& nameField,
                         const std::string& codeField, const std::string& orderBy,
                         const std::string& firstItem) {
    ComboItems items;
    if (!firstItem.empty()) items.push_back(coded(firstItem, "-1"));
    addRows(ctx, items, "select * from " + table + " order by " + orderBy, nameField, &codeField);
    return items;
}

ComboItems fillCodeComboWhere(PosContext& ctx, const std::string& table,
                              const std::string& nameField, const std::string& codeField,
                              const std::string& orderBy, const std::string& where,
                              const std::string& lastItem) {
    ComboItems items;
    addRows(ctx, items, "select * from " + table + " " + where + " order by " + orderBy, nameField,
            &codeField);
    if (!where.empty() && !lastItem.empty()) items.push_back(coded(lastItem, "-1"));
    return items;
}

ComboItems fillUserCombo(PosContext& ctx, const std::string& flagField,
                         const std::string& firstItem) {
    const bool administrator = ctx.session.roleCode == kAdministratorRole;
    const bool ownWarehouses = isTrue(ctx.params.cs_shtc) && !administrator;
    ComboItems items;
    if (!firstItem.empty() && !ownWarehouses) items.push_back(coded(firstItem, "-1"));
    std::string statement;
    if (ownWarehouses) {
        statement =
            "select * from jxc_user where u_jy=0 and (ck_sn='-1' or ck_sn in (select ck_sn from "
            "jxc_ckxx where ck_asn  like " +
            sqlQuote("%" + ctx.session.operatorCode + "%") + ")) ";
        if (!flagField.empty()) statement += " and " + flagField + "<>0 ";
        statement += " order by id";
    } else if (flagField.empty()) {
        statement = "select * from jxc_user where u_jy=0 order by id";
    } else {
        statement = "select * from jxc_user where u_jy=0 and " + flagField + "<>0 order by id";
    }
    const std::string code = "u_sn";
    addRows(ctx, items, statement, "u_name", &code);
    return items;
}

std::string getComboValue(const ComboItems& items, int index) {
    if (index < 0 || index >= static_cast<int>(items.size())) return {};
    const ComboItem& item = items[static_cast<size_t>(index)];
    return item.object ? item.object->comboS : std::string();
}

}  // namespace pos
