// Piecewise Chebyshev expansions: the form in which the program keeps the saturation curves of
// the reference equation of state.
#pragma once

#include <array>
#include <span>

namespace c3f8 {

// An expansion over from .. to, in Chebyshev polynomials of x mapped onto -1 .. 1.
struct chebyshev_piece
{
    double from, to;
    std::array<double, 13> coefficients;
};

// The value at x of the piece that holds x (pieces in ascending order, each ending where the
// next begins); x outside them is taken by the nearest end piece.
double chebyshev_value(std::span<const chebyshev_piece> pieces, double x);

} // namespace c3f8
