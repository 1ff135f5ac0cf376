#pragma once
// Defaults the documents fall back on: staff, supplier, customer, warehouse.
// Each returns empty text when nothing is found.
#include <string>

namespace pos {

struct PosContext;

std::string getDefaultUserSn(PosContext& ctx);
std::string getDefaultUserName(PosContext& ctx);
std::string getDefaultGhsSn(PosContext& ctx);  // supplier
std::string getDefaultKhSn(PosContext& ctx);   // customer
std::string getDefaultKhName(PosContext& ctx);
std::string getDefaultCkName(PosContext& ctx);  // warehouse

// True when "select top 1 <column> from <table> <condition>" gives a non-empty value.
bool recordExists(PosContext& ctx, const std::string& table, const std::string& column,
                  const std::string& condition);

}  // namespace pos
