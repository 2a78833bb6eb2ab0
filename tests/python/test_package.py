"""The Python package as a notebook or a test stand's program uses it."""
import ctypes
import math
import os
import re
from pathlib import Path

import numpy as np
import pytest

import c3f8calc
from conftest import RUN_A

INPUTS = [f.name for f in c3f8calc.fields if f.is_input]
RESULTS = [f.name for f in c3f8calc.fields if not f.is_input]


def test_the_library_it_loads():
    expected = os.environ.get("C3F8CALC_EXPECT_LIBRARY_IN")
    if expected:  # the wheel's own, beside the module
        assert Path(c3f8calc.library_path()).parent == Path(expected).resolve()
    assert Path(c3f8calc.library_path()).exists()
    assert c3f8calc.__version__ == "1.10"


def test_texts_give_the_windows_texts(worked_runs):
    for typed, shown, warnings in worked_runs:
        r = c3f8calc.calculate(*typed)
        assert [str(r.shown(name)) for name in RESULTS] == shown
        assert [int(getattr(r, w.name)) for w in c3f8calc.warnings] == warnings
        comma = c3f8calc.calculate(*[t.replace(".", ",") for t in typed], decimal_comma=True)
        assert [str(comma.shown(n, decimal_comma=True)) for n in RESULTS] == \
            [s.replace(".", ",") for s in shown]


def test_arrays_broadcast_and_equal_their_points_one_by_one():
    tevap = np.array([-40.0, -25.0, 0.0, 20.0])
    Qw = np.array([[0.0], [250.0], [500.0]])
    x_we = np.linspace(0.0, 0.3, 8)[::2]  # a view with a stride of its own
    r = c3f8calc.calculate(tevap=tevap, tsub="15", x_we=x_we, x_wy=0.9, Qw=Qw, m=[10])
    assert r.shape == (3, 4) and len(r) == 12
    for i, j in np.ndindex(r.shape):
        one = c3f8calc.calculate(tevap=tevap[j], tsub=15, x_we=x_we[j], x_wy=0.9, Qw=Qw[i, 0],
                                 m=10)
        for name in RESULTS + ["Ostrzezenie", "m_warn", "outside_fits", "failure"]:
            assert getattr(r, name)[i, j] == getattr(one, name), name
        assert np.ndim(one.Qg) == 0 and isinstance(one.failure, str)
    with pytest.raises(ValueError):
        c3f8calc.calculate(tevap=[1, 2], tsub=[1, 2, 3], x_we=0, x_wy=1, Qw=1, m=1)


def test_a_failing_point_spoils_no_neighbour():
    r = c3f8calc.calculate(**{**RUN_A, "Qw": [500, math.nan, 500, "abc", math.inf, "5\x000"],
                              "x_wy": [0.9, 0.9, 0.1, 0.9, 0.9, 0.9]})
    assert list(r.failure) == ["", "conversion", "division_by_zero", "conversion", "conversion",
                               "conversion"]
    assert list(r.failure_field) == ["", "Qw", "m_opt", "Qw", "Qw", "Qw"]
    assert np.isnan(r.m_opt[1]) and not np.isnan(r.x_we2[1])
    assert list(r.m_warn) == [0, -1, -1, -1, -1, -1]
    assert r.shown("m_opt")[1] == "" and r.shown("m_opt")[0] == "6.13"


def test_shown_and_pandas_equal_the_command_lines_csv(cli):
    sweep = ["--tevap", "-50:40:15", "--tsub", "15", "--x_we", "0.1", "--x_wy", "0.9",
             "--Qw", "0:500:250", "--m", "10"]
    r = c3f8calc.calculate(tevap=np.arange(-50, 41, 15)[:, None], tsub=15, x_we=0.1, x_wy=0.9,
                           Qw=np.array([0, 250, 500]), m=10)
    shown = cli(*sweep)
    for k, row in enumerate(shown):
        at = np.unravel_index(k, r.shape)
        assert {n: str(r.shown(n)[at]) for n in RESULTS} == {n: row[n] for n in RESULTS}
        assert r.outside_fits[at] == row["outside_fits"]
    frame = r.to_pandas()
    assert list(frame.columns) == list(c3f8calc.columns)
    full = cli(*sweep, "--precision", "full")
    for k, row in enumerate(full):
        for name in RESULTS:
            assert frame[name][k] == float(row[name])
        for w in c3f8calc.warnings:
            assert bool(frame[w.name][k]) == (row[w.name] == "true")
    assert str(frame["Ostrzezenie"].dtype) == "boolean"


def test_what_it_refuses():
    with pytest.raises(TypeError):
        c3f8calc.calculate(**RUN_A, T=1)
    for wrong in ({"flow": 10}, True, [1j]):
        with pytest.raises(TypeError):
            c3f8calc.calculate(**{**RUN_A, "m": wrong})
    with pytest.raises(ValueError):
        c3f8calc.calculate(**RUN_A).shown("tevap")
    pd = pytest.importorskip("pandas")
    for wrong in ({"Qg": [1]}, np.zeros(3), pd.Series([1.0], name="Qg")):
        with pytest.raises(TypeError, match="plot_ph takes a c3f8calc.Result or the DataFrame"):
            c3f8calc.plot_ph(wrong)


def test_the_plot_draws_the_results_and_the_fits():
    pytest.importorskip("matplotlib")
    r = c3f8calc.calculate(**RUN_A)
    ax = c3f8calc.plot_ph(r)
    lines = {line.get_label(): line for line in ax.get_lines()}
    t = np.linspace(*c3f8calc.fits_trusted_range, 200)
    p = c3f8calc.psat(t)
    assert np.array_equal(lines["saturated liquid"].get_xydata(),
                          np.column_stack([c3f8calc.hliq(p), p]))
    assert np.array_equal(lines["saturated vapour"].get_xydata(),
                          np.column_stack([c3f8calc.hvap(p), p]))
    working = c3f8calc.psat(-25)
    assert np.array_equal(lines["pevap, tevap"].get_xydata(),
                          [[r.Hliq_sat, working], [r.Hvap_sat, working]])
    states = [line for line in ax.get_lines() if line.get_marker() == "o"
              and line.get_linestyle() == "None" and len(line.get_xdata()) == 3]
    assert np.array_equal(states[0].get_xydata(),
                          [[r.Hwe_cap, working], [r.Hx_we, working], [r.Hx_wy, working]])
    assert ax.get_yscale() == "log"
    assert {text.get_text() for text in ax.texts} >= {"\u0394Hg", "\u0394Hw", "T_subcool"}


def test_the_plot_reads_texts_as_the_run_did():
    pytest.importorskip("matplotlib")
    r = c3f8calc.calculate(tevap=["-25,0", "x"], tsub="15", x_we="0,1", x_wy="0,9", Qw="500",
                           m="10", decimal_comma=True)
    for given in (r, r.to_pandas()):
        ax = c3f8calc.plot_ph(given)
        lines = {line.get_label(): line for line in ax.get_lines()}
        # The point that stopped at its first input is left out, and said so.
        assert lines["pevap, tevap"].get_ydata()[0] == c3f8calc.psat(-25)
        assert ax.get_title() == "1 of 2 points failed: 1 conversion at tevap"


def test_library_file_and_layout_are_the_headers():
    header = (Path(__file__).resolve().parents[2] / "library/include/c3f8calc.h").read_text()
    soversion = int(re.search(r"^#define C3F8_SOVERSION (\d+)$", header, re.M).group(1))
    assert c3f8calc._library.SOVERSION == soversion
    assert c3f8calc._TEXT_MAX == int(re.search(r"^#define C3F8_TEXT_MAX (\d+)$", header,
                                               re.M).group(1))

    class Shifted(ctypes.Structure):
        _fields_ = [("values", ctypes.c_double * 12), ("warnings", ctypes.c_int32 * 2),
                    ("failure_kind", ctypes.c_int32), ("failure_field", ctypes.c_int32),
                    ("outside_fits", ctypes.c_uint32)]
    with pytest.raises(ImportError, match="c3f8_outcome.failure_kind lies at 100, not 104"):
        c3f8calc._library.check_layout(c3f8calc._lib, Shifted, "c3f8_outcome")

    # Larger and smaller than the library's, each told by its size.
    for doubles, size in ((13, 120), (11, 104)):
        class Resized(ctypes.Structure):
            _fields_ = [("values", ctypes.c_double * doubles), ("warnings", ctypes.c_int8 * 2),
                        ("failure_kind", ctypes.c_int32), ("failure_field", ctypes.c_int32),
                        ("outside_fits", ctypes.c_uint32)]
        with pytest.raises(ImportError, match=f"c3f8_outcome takes 112 bytes, not {size}; "
                                              f"c3f8_outcome.warnings lies at 96, not "
                                              f"{doubles * 8}"):
            c3f8calc._library.check_layout(c3f8calc._lib, Resized, "c3f8_outcome")


def test_readme_session_runs_as_printed():
    import doctest
    readme = (Path(__file__).resolve().parents[2] / "README.md").read_text()
    sessions = re.findall(r"```python\n(>>> .*?)```", readme, re.S)
    assert sessions
    if int(np.__version__.split(".")[0]) >= 2:
        # The README shows NumPy 1's scalars, "nan" rather than "np.float64(nan)".
        np.set_printoptions(legacy="1.25")
    for session in sessions:
        test = doctest.DocTestParser().get_doctest(session, {}, "README", "README.md", 0)
        runner = doctest.DocTestRunner(optionflags=doctest.NORMALIZE_WHITESPACE)
        try:
            runner.run(test)
        finally:
            np.set_printoptions(legacy=False)
        assert runner.summarize(verbose=False).failed == 0
