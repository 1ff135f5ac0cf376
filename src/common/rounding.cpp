#include "common/rounding.h"

#include <cmath>

namespace pos {

double roundDec(double value, int decimals) {
    double factor = std::pow(10.0, decimals);
    double x = value * factor;
    x = value < 0 ? x - 0.5 : x + 0.5;
    return std::trunc(x) / factor;
}

}  // namespace pos
