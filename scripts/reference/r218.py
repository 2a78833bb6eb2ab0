"""C3F8 (R-218) from its reference equation of state, in 40-digit arithmetic.

The equation is the short Helmholtz-energy form of Lemmon and Span, "Short Fundamental Equations
of State for 20 Industrial Fluids", J. Chem. Eng. Data 51 (2006) 785-850, with their constants for
R-218; the ideal-gas part is their isobaric heat capacity integrated, its two constants set for
the IIR reference state (saturated liquid at 0 C: h = 200 kJ/kg, s = 1 kJ/(kg K)).

Used by the script that makes the saturation expansions and by the tests as an independent
solution: slow, but correct to far more digits than a double holds.
"""

import functools

import mpmath as mp

mp.mp.dps = 40

R = mp.mpf("8.314472")  # J/(mol K)
M = mp.mpf("188.01933")  # g/mol
T_REDUCING = mp.mpf("345.02")  # K
RHO_REDUCING = mp.mpf("3.34")  # mol/L
T_TRIPLE = mp.mpf("125.45")  # K
T_ZERO_C = mp.mpf("273.15")  # K

# Residual part: (n, t, d, c); c = 0 for the polynomial terms, else exp(-delta**c).
RESIDUAL = [
    ("1.3270", "0.25", 1, 0),
    ("-3.8433", "1.25", 1, 0),
    ("0.922", "1.5", 1, 0),
    ("0.1136", "0.25", 3, 0),
    ("0.00036195", "0.875", 7, 0),
    ("1.1001", "2.375", 1, 1),
    ("1.1896", "2.0", 2, 1),
    ("-0.025147", "2.125", 5, 1),
    ("-0.65923", "3.5", 1, 2),
    ("-0.027969", "6.5", 1, 2),
    ("-0.1833", "4.75", 4, 2),
    ("-0.02163", "12.5", 2, 3),
]
RESIDUAL = [(mp.mpf(n), mp.mpf(t), d, c) for n, t, d, c in RESIDUAL]

# Ideal gas: cp0/R = 4 + sum v (u/T)^2 exp(u/T) / (exp(u/T) - 1)^2, u in K.
CP0_CONSTANT = 4
CP0_EINSTEIN = [(mp.mpf("7.2198"), mp.mpf(326)), (mp.mpf("7.2692"), mp.mpf(595)),
                (mp.mpf("11.599"), mp.mpf(1489))]

KJ_PER_KG = R / M  # R in kJ/(kg K)


def residual(tau, delta):
    """alpha_r and its derivatives: (a, a_d, a_dd, a_t, a_tt, a_dt)."""
    a = a_d = a_dd = a_t = a_tt = a_dt = mp.mpf(0)
    for n, t, d, c in RESIDUAL:
        base = n * tau**t * delta**d
        if c:
            dc = delta**c
            e = mp.exp(-dc)
            g = d - c * dc  # delta * d(ln term)/d delta
            g_d = -c * c * dc  # delta * dg/d delta
        else:
            e = 1
            g = d
            g_d = 0
        term = base * e
        a += term
        a_d += term * g / delta
        a_dd += term * (g * (g - 1) + g_d) / delta**2
        a_t += term * t / tau
        a_tt += term * t * (t - 1) / tau**2
        a_dt += term * g * t / (delta * tau)
    return a, a_d, a_dd, a_t, a_tt, a_dt


def _ideal_raw(tau):
    """alpha_0 - ln(delta) without the two reference constants, and its tau derivative."""
    a = (CP0_CONSTANT - 1) * mp.log(tau)
    a_t = (CP0_CONSTANT - 1) / tau
    for v, u in CP0_EINSTEIN:
        x = u / T_REDUCING
        a += v * mp.log(1 - mp.exp(-x * tau))
        a_t += v * x / (mp.exp(x * tau) - 1)
    return a, a_t


def pressure(T, rho):
    """Pressure in Pa at T in K and rho in mol/L."""
    delta, tau = rho / RHO_REDUCING, T_REDUCING / T
    return rho * 1000 * R * T * (1 + delta * residual(tau, delta)[1])


@functools.lru_cache(maxsize=None)
def _saturation_raw(T):
    """Liquid and vapour reduced densities at T, from equal pressure and equal Gibbs energy.

    Near the critical point the two conditions become nearly dependent; the working precision
    grows there so that the result keeps the digits of the rest of the range."""
    tolerance = mp.mpf(10) ** (-mp.mp.dps + 8)
    theta = 1 - T / T_CRITICAL
    extra = int(2 * max(0, -mp.log10(theta))) if theta > 0 else 0
    guess = _density_guess(T)
    with mp.workdps(mp.mp.dps + extra):
        tau = T_REDUCING / T
        dl, dv = guess

        def jk(delta):
            a, a_d, a_dd, *_ = residual(tau, delta)
            j = delta * (1 + delta * a_d)
            k = delta * a_d + a + mp.log(delta)
            j_d = 1 + 2 * delta * a_d + delta**2 * a_dd
            k_d = 2 * a_d + delta * a_dd + 1 / delta
            return j, k, j_d, k_d

        for _ in range(100):
            jl, kl, jl_d, kl_d = jk(dl)
            jv, kv, jv_d, kv_d = jk(dv)
            det = jv_d * kl_d - jl_d * kv_d
            step_l = ((kv - kl) * jv_d - (jv - jl) * kv_d) / det
            step_v = ((kv - kl) * jl_d - (jv - jl) * kl_d) / det
            dl, dv = dl + step_l, dv + step_v
            if abs(step_l) < dl * tolerance and abs(step_v) < dv * tolerance:
                break
        else:
            raise ArithmeticError(f"saturation did not converge at {T} K")
    if not dl > dv > 0:
        raise ArithmeticError(f"saturation at {T} K found one phase only")
    return +dl, +dv


def _density_guess(T):
    theta = 1 - T / T_CRITICAL
    if theta < NEAR_CRITICAL:
        # Near the critical point the densities depart from it as a*sqrt(theta) + b*theta;
        # extrapolate from two solutions further away.
        x = mp.sqrt(theta)
        theta_a = min(4 * theta, NEAR_CRITICAL)
        theta_b = min(16 * theta, 2 * NEAR_CRITICAL)
        xa, xb = mp.sqrt(theta_a), mp.sqrt(theta_b)
        guess = []
        for da, db in zip(_saturation_raw(T_CRITICAL * (1 - theta_a)),
                          _saturation_raw(T_CRITICAL * (1 - theta_b))):
            ya, yb = (da - DELTA_CRITICAL) / xa, (db - DELTA_CRITICAL) / xb
            b = (ya - yb) / (xa - xb)
            guess.append(DELTA_CRITICAL + (ya - b * xa) * x + b * x * x)
        return tuple(guess)
    dl = 1 + mp.mpf("1.75") * theta ** (mp.mpf(1) / 3) + mp.mpf("0.75") * theta
    ps = _pressure_guess(T)
    dv_ideal = ps / (1000 * R * T) / RHO_REDUCING
    dv = min(dv_ideal, 1 - mp.mpf("1.75") * theta ** (mp.mpf(1) / 3) + mp.mpf("0.75") * theta)
    return dl, max(dv, dv_ideal / 2)


def _pressure_guess(T):
    # A rough vapour-pressure line for starting values only.
    theta = 1 - T / T_CRITICAL
    ln = (T_CRITICAL / T) * (-mp.mpf("7.8419") * theta + mp.mpf("2.8989") * theta**1.5
                             - mp.mpf("3.3458") * theta**2.2 - mp.mpf("3.3196") * theta**4.8
                             + mp.mpf("0.25363") * theta**6.2)
    return mp.mpf("2.640e6") * mp.exp(ln)


def _critical_point():
    """The equation's own critical point: dp/drho = 0 = d2p/drho2."""

    def equations(T, delta):
        tau = T_REDUCING / T
        _, a_d, a_dd, *_ = residual(tau, delta)
        # dp/ddelta ~ 1 + 2 delta a_d + delta^2 a_dd; second derivative via mpmath.diff
        first = 1 + 2 * delta * a_d + delta**2 * a_dd
        second = mp.diff(lambda x: 1 + 2 * x * residual(tau, x)[1] + x**2 * residual(tau, x)[2], delta)
        return first, second

    return mp.findroot(equations, (T_REDUCING, mp.mpf(1)))


T_CRITICAL, DELTA_CRITICAL = _critical_point()
NEAR_CRITICAL = mp.mpf("0.05")


def _ideal_constants():
    T0 = T_ZERO_C
    dl, _ = _saturation_raw(T0)
    tau = T_REDUCING / T0
    a, a_d, _, a_t, *_ = residual(tau, dl)
    i, i_t = _ideal_raw(tau)
    h_rt = 1 + tau * (i_t + a_t) + dl * a_d
    s_r = tau * (i_t + a_t) - (i + mp.log(dl)) - a
    h_target = 200 / (KJ_PER_KG * T0)  # h / (R T)
    s_target = 1 / KJ_PER_KG
    a2 = (h_target - h_rt) / tau  # h / (R T) gains tau * a2
    a1 = s_r - s_target  # s / R loses a1 (a2's terms cancel)
    return a1, a2


def _enthalpy(T, delta, a1, a2):
    tau = T_REDUCING / T
    _, a_d, _, a_t, *_ = residual(tau, delta)
    _, i_t = _ideal_raw(tau)
    return KJ_PER_KG * T * (1 + tau * (i_t + a2 + a_t) + delta * a_d)


def _entropy(T, delta, a1, a2):
    tau = T_REDUCING / T
    a, _, _, a_t, *_ = residual(tau, delta)
    i, i_t = _ideal_raw(tau)
    return KJ_PER_KG * (tau * (i_t + a2 + a_t) - (i + a1 + a2 * tau + mp.log(delta)) - a)


IDEAL_A1, IDEAL_A2 = _ideal_constants()


def enthalpy(T, rho):
    """kJ/kg at T in K and rho in mol/L."""
    return _enthalpy(T, rho / RHO_REDUCING, IDEAL_A1, IDEAL_A2)


def entropy(T, rho):
    return _entropy(T, rho / RHO_REDUCING, IDEAL_A1, IDEAL_A2)


@functools.lru_cache(maxsize=None)
def saturation(T):
    """(p in bar, h_liq, h_vap in kJ/kg) at T in K, triple point <= T < critical point."""
    T = mp.mpf(T)
    dl, dv = _saturation_raw(T)
    p = pressure(T, dl * RHO_REDUCING) / 100000
    return p, _enthalpy(T, dl, IDEAL_A1, IDEAL_A2), _enthalpy(T, dv, IDEAL_A1, IDEAL_A2)
