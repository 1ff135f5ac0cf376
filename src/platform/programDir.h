#pragma once
#include <string>

namespace pos {

// The folder of the running program (with a trailing '/'): data/, report/,
// skinfiles/ and picture/ are found beside it.
std::string programDirectory();

}  // namespace pos
