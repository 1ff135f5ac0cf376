#pragma once
// The one stored form of a password: the typed text trimmed of blanks, then
// passed through safeText. Login, supervisor authorisation, the pharmacist's
// sign-off, the screen lock and the password change all compare or store this
// form, so one password works everywhere.
#include <string>
#include <string_view>

namespace pos {

std::string storedPasswordForm(std::string_view typed);

}  // namespace pos
