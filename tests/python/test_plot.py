"""The p-h diagram of a sweep: lines for a few points, coloured markers for many, failed points
left out, points outside the fits hollow, and the axes around the dome."""
import numpy as np
import pytest

import c3f8calc
from conftest import RUN_A

plt = pytest.importorskip("matplotlib.pyplot")


@pytest.fixture(autouse=True)
def close_figures():
    yield
    plt.close("all")


def isobars(ax):
    """The evaporation lines drawn: 2-point horizontal lines of width 2."""
    return [line for line in ax.get_lines() if line.get_linewidth() == 2]


@pytest.mark.parametrize("n", [12, 13])
def test_up_to_twelve_points_are_lines_named_by_the_varying_inputs_then_markers(n):
    tevap = np.linspace(-40, 20, n)
    ax = c3f8calc.plot_ph(c3f8calc.calculate(tevap, 15, 0.1, 0.9, np.where(tevap < 0, 500, 800),
                                             10))
    if n == 12:
        assert [line.get_label() for line in isobars(ax)][:2] == \
            ["tevap = -40 C, Qw = 500 W", f"tevap = {tevap[1]:g} C, Qw = 500 W"]
        assert not ax.collections and len(ax.figure.axes) == 1
    else:
        assert not isobars(ax) and len(ax.collections) > 1
        # Of tevap (13 values) and Qw (2), the bar names the one with more.
        assert ax.figure.axes[1].get_ylabel() == "tevap [C]"


def test_markers_colour_by_the_first_input_in_catalogue_order_among_equals():
    r = c3f8calc.calculate(np.arange(-30, -10), 15, 0.1, 0.9, np.arange(20) * 10.0, 10)
    assert c3f8calc.plot_ph(r).figure.axes[1].get_ylabel() == "tevap [C]"


def test_the_arriving_liquid_lies_at_the_saturation_pressure_of_its_temperature():
    r = c3f8calc.calculate(-25, [5, 15], 0.1, 0.9, 500, 10)
    ax = c3f8calc.plot_ph(r)
    arriving = [line.get_xydata()[0] for line in ax.get_lines() if line.get_linestyle() == "--"]
    assert np.array_equal(arriving, np.column_stack([r.Hwe_cap, c3f8calc.psat([5, 15])]))


def test_failed_and_outside_points_are_told_apart_and_the_axes_stay_on_the_dome():
    tevap = [-25, -60, -200, "x", "y", -20]
    ax = c3f8calc.plot_ph(c3f8calc.calculate(tevap, 15, 0.1, 0.9, 500, 10))
    assert ax.get_title() == ("2 of 6 points failed: 2 conversion at tevap\n"
                              "1 of the points drawn lie off the axes")
    drawn = {line.get_label(): line for line in isobars(ax)}
    assert set(drawn) == {"tevap = -25 C", "tevap = -60 C", "tevap = -200 C", "tevap = -20 C"}
    states = [line for line in ax.get_lines() if line.get_marker() == "o"
              and line.get_linestyle() == "None" and len(line.get_xdata()) == 3]
    assert [line.get_fillstyle() for line in states] == ["full", "none", "none", "full"]
    low, high = c3f8calc.fits_trusted_range
    p = c3f8calc.psat(np.array([low, high]))
    assert ax.get_xlim()[1] < c3f8calc.hvap(p[1]) + 20 and ax.get_ylim()[1] < p[1] * 2
    assert [tick.get_text() for tick in ax.get_yticklabels()
            if ax.get_ylim()[0] <= tick.get_position()[1] <= ax.get_ylim()[1]] == \
        ["0.2", "0.5", "1", "2", "5", "10"]


def test_the_pressure_axis_reads_in_round_bars_down_to_the_reference_domes_foot():
    ax = c3f8calc.plot_ph(c3f8calc.calculate(**RUN_A, properties="reference"))
    low, high = ax.get_ylim()
    assert [tick.get_text() for tick in ax.get_yticklabels()
            if low <= tick.get_position()[1] <= high] == \
        ["0.1", "0.2", "0.5", "1", "2", "5", "10", "20"]
    assert ax.get_ylabel() == "p [bar abs]"


def test_the_reference_dome_runs_from_minus_60_c_to_the_critical_point_closer_at_the_top():
    r = c3f8calc.calculate(**RUN_A, properties="reference")
    lines = {line.get_label(): line for line in c3f8calc.plot_ph(r).get_lines()}
    p = lines["saturated liquid"].get_ydata()
    t = c3f8calc.saturation_temperature(p, "reference")
    assert len(t) == 200 and t[0] == pytest.approx(-60) and t[-1] == pytest.approx(71.87, abs=0.01)
    assert np.all(np.diff(np.diff(t)) < 0)  # steps shrinking towards the top


def test_the_frame_of_to_pandas_draws_as_its_result():
    r = c3f8calc.calculate(["-25,0", "-20"], 15, 0.1, 0.9, 500, 10, properties="reference",
                           decimal_comma=True)
    drawn = [[line.get_xydata() for line in isobars(c3f8calc.plot_ph(given))]
             for given in (r, r.to_pandas())]
    assert np.array_equal(drawn[0], drawn[1]) and len(drawn[0]) == 2
    with pytest.raises(TypeError, match="lacks Qg"):
        c3f8calc.plot_ph(r.to_pandas().drop(columns="Qg"))


# The drawings the package makes of three sweeps, recorded as data when they were looked at
# and found right (C3F8_RECORD_PLOTS=1 writes them anew after a change meant to alter them).
DRAWINGS = {
    "run A": RUN_A,
    "three, one outside, one failed": dict(tevap=[-25, -60, "x"], tsub=[15, 5, 15], x_we=0.1,
                                           x_wy=0.9, Qw=500, m=10),
    "thirteen, two outside": dict(tevap=np.linspace(-55, 35, 13), tsub=15, x_we=0.1, x_wy=0.9,
                                  Qw=np.linspace(100, 700, 13), m=10),
    "the same point twice": dict(tevap=[-25, -25], tsub=15, x_we=0.1, x_wy=0.9, Qw=500, m=10),
    "twelve": dict(tevap=np.linspace(-40, 15, 12), tsub=15, x_we=0.1, x_wy=0.9, Qw=500, m=10),
    "flows, one stopped at m_opt": dict(tevap=-25, tsub=15, x_we=0.1, x_wy=[0.9, 0.9, 0.1],
                                        Qw=500, m=[5, 10, 10]),
    "one below the axes": dict(tevap=[-25, -80], tsub=15, x_we=0.1, x_wy=0.9, Qw=500, m=10),
    "none drawn": dict(tevap="x", tsub=15, x_we=0.1, x_wy=0.9, Qw=500, m=10),
    "one off by its liquid, one off by its outlet": dict(tevap=-25, tsub=[60, 15], x_we=0.1,
                                                         x_wy=[0.9, 1.5], Qw=500, m=10),
}


@pytest.mark.parametrize("name", DRAWINGS)
def test_the_drawings_are_as_recorded(name):
    import json
    import os
    from pathlib import Path

    from plot_artists import record

    got = record(c3f8calc.plot_ph(c3f8calc.calculate(**DRAWINGS[name])))
    path = Path(__file__).parent / "data" / "drawings.json"
    recorded = json.loads(path.read_text()) if path.exists() else {}
    if os.environ.get("C3F8_RECORD_PLOTS"):
        recorded[name] = got
        path.write_text(json.dumps(recorded, indent=1, sort_keys=True) + "\n")
    assert json.loads(json.dumps(got)) == recorded[name]
