#pragma once
// Lists for combo boxes, read from a table. A coded item carries the row's key
// in a TMyObject (field comboS); "all"/"none" items carry "-1". The windows put
// these items into their combo boxes.
#include <optional>
#include <string>
#include <vector>

namespace pos {

struct PosContext;

struct TMyObject {
    std::string comboS;
};

struct ComboItem {
    std::string text;
    std::optional<TMyObject> object;  // absent for items without a code
};

using ComboItems = std::vector<ComboItem>;

// "select * from <table> order by <orderBy>", text of <field>; firstItem first
// when given, then an empty item when addBlank is "1". No codes.
ComboItems fillCombo(PosContext& ctx, const std::string& table, const std::string& field,
                     const std::string& orderBy, const std::string& addBlank,
                     const std::string& firstItem);

// Like fillCombo with a where clause; extraItem comes before the rows when
// there is no where clause, after them when there is one.
ComboItems fillComboWhere(PosContext& ctx, const std::string& table, const std::string& field,
                          const std::string& orderBy, const std::string& where,
                          const std::string& addBlank, const std::string& extraItem);

// Coded items: text nameField, code codeField; firstItem first with code "-1".
ComboItems fillCodeCombo(PosContext& ctx, const std::string& table, const std::string& nameField,
                         const std::string& codeField, const std::string& orderBy,
                         const std::string& firstItem);

// Coded items of the rows matching `where`; lastItem after them with code "-1"
// when both are given.
ComboItems fillCodeComboWhere(PosContext& ctx, const std::string& table,
                              const std::string& nameField, const std::string& codeField,
                              const std::string& orderBy, const std::string& where,
                              const std::string& lastItem);

// Active staff (optionally only those with flagField set), limited to the
// operator's warehouses when the setting asks for it.
ComboItems fillUserCombo(PosContext& ctx, const std::string& flagField,
                         const std::string& firstItem);

// The code carried by the item at `index`; empty when there is no such item or
// it carries no code.
std::string getComboValue(const ComboItems& items, int index);

}  // namespace pos
