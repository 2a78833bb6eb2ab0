#include "core/chebyshev.h"

#include <algorithm>

namespace c3f8 {

double chebyshev_value(std::span<const chebyshev_piece> pieces, double x)
{
    auto piece = std::lower_bound(pieces.begin(), pieces.end() - 1, x,
                                  [](const chebyshev_piece &p, double v) { return p.to < v; });
    const double u = (2 * x - (piece->from + piece->to)) / (piece->to - piece->from);
    // Clenshaw's recurrence, from the highest term down.
    double b1 = 0, b2 = 0;
    const auto &c = piece->coefficients;
    for (std::size_t j = c.size() - 1; j > 0; --j) {
        const double b0 = 2 * u * b1 - b2 + c[j];
        b2 = b1;
        b1 = b0;
    }
    return u * b1 - b2 + c[0];
}

} // namespace c3f8
