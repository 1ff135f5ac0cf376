#pragma once
// The store's command line, for a shop's support person:
//   pos-admin init FILE              a new empty store
//   pos-admin demo FILE              a new store with the demo data
//   pos-admin bigstore FILE [--goods N]  the demo data plus a large generated store
//   pos-admin sql FILE "STATEMENT"   one statement in the terminal's dialect
#include <iosfwd>
#include <string>
#include <vector>

namespace pos {

class Clock;

// Runs one command; returns the process exit code.
int runAdminCommand(const std::vector<std::string>& args, const Clock& clock, std::ostream& out,
                    std::ostream& err);

}  // namespace pos
