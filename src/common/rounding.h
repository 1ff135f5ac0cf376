#pragma once

namespace pos {

// Rounds half away from zero at `decimals` places. Callers that round a
// computed amount add 0.000000001 first, so 1.005 stored as 1.00499… still
// rounds up.
double roundDec(double value, int decimals);

}  // namespace pos
