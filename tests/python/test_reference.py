"""The package on the reference equation of state: the worked runs, the saturation curves up to
the critical point against a 40-digit solution, and the inverses."""
import sys
from pathlib import Path

import numpy as np
import pytest

import c3f8calc
from conftest import RUN_A

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from worked_runs import read_reference_runs  # noqa: E402

mp = pytest.importorskip("mpmath")
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts" / "reference"))
import r218  # noqa: E402
import reference_runs  # noqa: E402


@pytest.mark.parametrize("run", read_reference_runs(), ids="ABC")
def test_worked_runs_from_texts_and_numbers(run):
    typed, shown, flags = run
    from_texts = c3f8calc.calculate(*typed, properties="reference")
    from_numbers = c3f8calc.calculate(*(float(t) for t in typed), properties="reference")
    for r in (from_texts, from_numbers):
        assert [str(r.shown(f.name)) for f in c3f8calc.fields if not f.is_input] == shown
        assert [int(getattr(r, w.name)) for w in c3f8calc.warnings] == flags
        assert r.outside_fits == "" and r.properties == "reference"


def test_worked_runs_expected_texts_follow_from_the_equation():
    # The expected texts are the equation's own, computed apart from the library.
    for typed, shown, flags in read_reference_runs():
        _, computed, warned = reference_runs.run(typed)
        assert computed == shown and warned == flags


def test_saturation_up_to_the_critical_point_is_the_equations():
    critical = r218.T_CRITICAL - r218.T_ZERO_C
    for below in ["0.01", "1e-3", "1e-5", "1e-7", "1e-9"]:
        t = critical - mp.mpf(below)
        p, h_liquid, h_vapour = r218.saturation(t + r218.T_ZERO_C)
        got = c3f8calc.saturation(float(t), "reference")
        assert abs(got.p - p) <= 1e-9 * p, below
        assert abs(got.h_liquid - h_liquid) <= 1e-5, below
        assert abs(got.h_vapour - h_vapour) <= 1e-5, below
    assert np.isnan(c3f8calc.saturation(float(critical) + 1e-9, "reference").p)


def test_saturation_with_the_fits_is_what_a_run_shows():
    r = c3f8calc.calculate([-40, -25, 10], 15, 0.1, 0.9, 500, 10)
    got = c3f8calc.saturation([-40, -25, 10])
    assert np.array_equal(got.p, r.pevap) and np.array_equal(got.h_liquid, r.Hliq_sat)
    assert np.array_equal(got.h_vapour, r.Hvap_sat)


def test_saturation_temperature_goes_back_and_forth_and_is_nan_where_none():
    t = np.array([-140.0, -25.0, 0.0, 60.0])
    p = c3f8calc.saturation(t, "reference").p
    assert np.allclose(c3f8calc.saturation_temperature(p, "reference"), t, rtol=0, atol=1e-9)
    shown = c3f8calc.psat_shown(t[1:])  # the fits' pressure is negative at -140 C
    assert np.allclose(c3f8calc.saturation_temperature(shown), t[1:], rtol=0, atol=1e-9)
    assert np.isnan(c3f8calc.saturation_temperature([0.0, -1.0, np.nan])).all()
    assert np.isnan(c3f8calc.saturation_temperature([1e-6, 26.5], "reference")).all()
    with pytest.raises(ValueError, match="properties must be one of 'fits', 'reference'"):
        c3f8calc.calculate(**RUN_A, properties="refprop")


def test_the_plot_draws_the_reference_dome_to_its_critical_point():
    pytest.importorskip("matplotlib")
    r = c3f8calc.calculate(**RUN_A, properties="reference")
    lines = {line.get_label(): line for line in c3f8calc.plot_ph(r).get_lines()}
    liquid, vapour = lines["saturated liquid"].get_xydata(), lines["saturated vapour"].get_xydata()
    assert abs(liquid[-1, 0] - vapour[-1, 0]) < 0.5  # the curves meet at the top
    working = c3f8calc.saturation(-25, "reference").p
    assert np.array_equal(lines["pevap, tevap"].get_xydata(),
                          [[r.Hliq_sat, working], [r.Hvap_sat, working]])
