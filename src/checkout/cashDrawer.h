#pragma once

namespace pos {

struct PosContext;

// Kicks the cash drawer open (through the receipt printer or the parallel
// port, as the POS device settings say). Built with the devices; until then
// it does nothing.
void openQx(PosContext& ctx);

}  // namespace pos
