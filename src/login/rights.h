#pragma once
#include <string>

namespace pos {

struct PosContext;

inline constexpr const char* kAdministratorRole = "100001";

// Right `position` (from 1) of the rights group `group` of the operator's role.
// When operators are bound to warehouses, an operator (other than the
// administrator role) bound to no warehouse has no rights at all.
bool hasRight(PosContext& ctx, const std::string& group, int position);

}  // namespace pos
