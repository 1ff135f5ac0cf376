#pragma once

namespace pos {

struct PosContext;

// The login-time member processing: top-up bonuses deferred to a later day
// are credited when their day has come. Built with the member top-ups; until
// then it does nothing.
void releaseLoginBonuses(PosContext& ctx);

}  // namespace pos
