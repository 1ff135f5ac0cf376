#pragma once
// The operation log: one row in jxc_log per significant action.
#include <string>

namespace pos {

struct PosContext;

// Appends a row (time now, the operator, the note) through the shared select
// query. Errors go to the caller.
void writeLog(PosContext& ctx, const std::string& note);

}  // namespace pos
