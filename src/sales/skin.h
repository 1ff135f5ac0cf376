#pragma once
// Skins: each operator's look is a row of jxc_skin naming a style sheet in the
// program's skinfiles folder. The lowest row also gives the look before login.
#include <optional>
#include <string>

namespace pos {

struct PosContext;

// The skin an operator gets when the store has none for them.
inline constexpr const char* kDefaultSkin = "iMaginary";

// programDir/skinfiles/<skinName>.skinres; empty for a name that cannot be a
// file of that folder (empty, or holding a path separator).
std::string skinFilePath(const std::string& programDir, const std::string& skinName);

// The contents of a skin file; nothing for a missing, unreadable or empty file
// (an empty style sheet would throw away the current look rather than keep it).
std::optional<std::string> readSkinFile(const std::string& path);

// The skin of the store's first row: the look before anyone has logged in.
std::string skinBeforeLogin(PosContext& ctx);

// The logged-in operator's skin; an operator without one gets the default and
// a row recording it, so the choice can be changed in the back office.
std::string operatorSkin(PosContext& ctx);

}  // namespace pos
