#include "login/passwords.h"

#include "common/textGuards.h"

namespace pos {

std::string storedPasswordForm(std::string_view typed) { return safeText(trimBlanks(typed)); }

}  // namespace pos
