"""The worked runs under reference properties, computed from the equation of state itself in
40-digit arithmetic (scripts/reference/r218.py), apart from the C++ code.

    python3 tests/support/reference_runs.py    prints each run's shown results and warnings
"""

import sys
from pathlib import Path

import mpmath as mp

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts" / "reference"))
import r218  # noqa: E402
from worked_runs import read_worked_runs  # noqa: E402

# pevap ... Qg in the decimals the window shows them with, as run A's texts have them.
DECIMALS = [len(text.partition(".")[2]) for text in read_worked_runs()[0][1]]


def liquid_temperature(h):
    """The temperature in K whose saturated-liquid enthalpy is h."""
    return mp.findroot(lambda T: r218.saturation(T)[1] - h, (r218.T_TRIPLE, r218.T_CRITICAL - 1),
                       solver="anderson", tol=mp.mpf(10) ** -30)


def run(typed):
    """The twelve results, unrounded, and the two warnings, of a run under reference properties."""
    tevap, tsub, x_we, x_wy, qw, m = (mp.mpf(t) for t in typed)
    p, h_liq, h_vap = r218.saturation(tevap + r218.T_ZERO_C)
    h_we = r218.saturation(tsub + r218.T_ZERO_C)[1]
    latent = h_vap - h_liq
    h_xwe = h_liq + latent * x_we
    h_xwy = h_vap - latent * (1 - x_wy)
    dhw, dhg = h_xwy - h_xwe, h_xwe - h_we
    t_l = liquid_temperature(h_xwe)
    x_we2 = (r218.saturation(t_l)[1] - h_liq) / latent
    m_opt = qw / dhw
    qg = m * (dhg + dhw) - qw
    values = [p, h_liq, h_vap, h_we, h_xwe, h_xwy, dhw, dhg, t_l - r218.T_ZERO_C, x_we2, m_opt, qg]
    shown = [shown_text(v, d) for v, d in zip(values, DECIMALS)]
    warnings = [mp.mpf(shown[7]) < 0, m < mp.mpf(shown[10])]
    return values, shown, warnings


def shown_text(value, decimals):
    scaled = value * 10**decimals
    # A value this close to half a unit of its last decimal would round by the last bits.
    assert abs(scaled - mp.floor(scaled) - mp.mpf(1) / 2) > mp.mpf("1e-6"), value
    text = mp.nstr(mp.nint(scaled) / 10**decimals, 30, min_fixed=-100, max_fixed=100)
    whole, _, fraction = text.partition(".")
    if decimals == 0:
        return "0" if whole == "-0" else whole
    text = f"{whole}.{(fraction + '0' * decimals)[:decimals]}"
    return text[1:] if text.startswith("-") and set(text[1:]) <= {"0", "."} else text


if __name__ == "__main__":
    for typed, _, _ in read_worked_runs():
        _, shown, warnings = run(typed)
        print(", ".join(f'"{t}"' for t in shown), warnings)
