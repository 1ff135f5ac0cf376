#include "sales/shortcutKeys.h"

namespace pos {

std::string functionKeyName(PosContext&, const std::string&) { return {}; }

}  // namespace pos
