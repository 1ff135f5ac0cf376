#include "login/passwords.h"

#include "common/textGuards.h"

namespace pos {

std::string storedPasswordForm(std::string_view typed) {
    size_t b = typed.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = typed.find_last_not_of(' ');
    return safeText(typed.substr(b, e - b + 1));
}

}  // namespace pos
