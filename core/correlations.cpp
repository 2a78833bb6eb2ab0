#include "core/correlations.h"

namespace c3f8 {

namespace {
// Integer powers by repeated multiplication; a negative base keeps its sign in odd powers.
constexpr double pow2(double x)
{
    return x * x;
}
constexpr double pow3(double x)
{
    return x * x * x;
}
constexpr double pow4(double x)
{
    return x * x * x * x;
}
constexpr double pow5(double x)
{
    return x * x * x * x * x;
}
} // namespace

double psat(double t)
{
    return 0.000009 * pow3(t) + 0.0017 * pow2(t) + 0.1352 * t + 4.1463;
}

double psat_shown(double t)
{
    return 0.000009 * pow3(t) + 0.0017 * pow2(t) + 0.1352 * t + 4.1291;
}

double hliq(double p)
{
    return 0.0006 * pow5(p) - 0.0283 * pow4(p) + 0.5039 * pow3(p) - 4.5393 * pow2(p) + 26.685 * p +
           139.3;
}

double hvap(double p)
{
    return 0.0004 * pow5(p) - 0.0182 * pow4(p) + 0.323 * pow3(p) - 2.9294 * pow2(p) + 16.521 * p +
           254.61;
}

double tliq(double H)
{
    return -0.0013 * pow2(H) + 1.4187 * H - 231.567;
}

} // namespace c3f8
