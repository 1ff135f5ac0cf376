#pragma once
// Puts a skin on the whole application. A skin that cannot be loaded leaves
// the current look: a missing style sheet is never a reason to stop the till.
#include <string>

namespace pos {

struct PosContext;

// Loads programDirectory()/skinfiles/<skinName>.skinres as the application's
// style sheet; false, with nothing changed, when it cannot.
bool applySkin(const std::string& skinName);
// The same from another program folder (tests).
bool applySkin(const std::string& programDir, const std::string& skinName);

// The look before login (the sales window when first shown).
bool applySkinBeforeLogin(PosContext& ctx);
// The logged-in operator's look, recording the default for a new operator.
bool applyOperatorSkin(PosContext& ctx);

}  // namespace pos
