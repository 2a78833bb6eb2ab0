"""How calculate() takes its inputs and what a result's texts and messages say."""
import warnings

import numpy as np
import pytest

import c3f8calc
from conftest import RUN_A



@pytest.mark.parametrize("kind", [np.float64, np.float32, np.int64, np.uint8, np.int16])
def test_numpy_scalars_take_the_scalar_path_as_plain_numbers(kind):
    def as_kind(v):  # the value as that type where it holds it (NumPy 2 refuses -25 as uint8)
        with warnings.catch_warnings():
            warnings.simplefilter("error")  # NumPy 1 warns where NumPy 2 refuses
            try:
                x = kind(v)
            except (OverflowError, DeprecationWarning):
                return v
        return x if float(x) == v else v

    as_numpy = [as_kind(v) for v in RUN_A.values()]
    got, plain = c3f8calc.calculate(*as_numpy), c3f8calc.calculate(**RUN_A)
    assert got.shape == () and got.failure == "" and got.failure_field == ""
    assert [getattr(got, f.name) for f in c3f8calc.fields] == \
        [getattr(plain, f.name) for f in c3f8calc.fields]


def test_an_integer_beyond_a_double_fails_at_conversion_alone_or_in_a_list():
    for Qw in (10**400, [10**400], np.array([10**400], dtype=object), [2**1024 - 1],
               2**1024 - 1):
        r = c3f8calc.calculate(-25, 15, 0.1, 0.9, Qw, 10)
        assert np.all(r.failure == "conversion") and np.all(r.failure_field == "Qw")


def test_a_broadcast_mismatch_names_the_fields_and_their_shapes():
    with pytest.raises(ValueError, match="^m: "):  # no array at all
        c3f8calc.calculate(-25, 15, 0.1, 0.9, 500, [[1, 2], [3]])
    with pytest.raises(ValueError, match=r"do not broadcast together: Qw \(2,\), m \(3,\)$"):
        c3f8calc.calculate(-25, 15, 0.1, 0.9, [0, 500], [1, 2, 3])


def test_shown_writes_in_the_notation_the_call_read_by_default():
    r = c3f8calc.calculate("-25", 15, "0,1", "0,9", 500, [10], decimal_comma=True)
    assert r.shown("pevap").tolist() == ["1,671"]
    assert r.shown("pevap", decimal_comma=False).tolist() == ["1.671"]
    assert c3f8calc.calculate(**RUN_A).shown("pevap") == "1.671"


def test_failure_message_is_the_windows_for_every_kind():
    for kind in c3f8calc.failure_kinds:
        message = c3f8calc.failure_message(kind.name, "m_opt")
        first, second = message.split("\n")
        assert first == kind.message.replace("{}", "m_opt (Qw,dx)")
        assert second == "Obliczenia przerwano; wprowadzone dane pozostaja bez zmian."
    with pytest.raises(ValueError, match="is no failure"):
        c3f8calc.failure_message("overflow", "nothing")


def test_a_value_gives_the_same_outcome_alone_in_a_list_and_in_an_array():
    pd = pytest.importorskip("pandas")
    # (value, failure): a missing or unreadable value fails its point at conversion.
    cases = [(0.1, ""), ("0,1", ""), (None, "conversion"), (pd.NA, "conversion"),
             (np.nan, "conversion"), (b"0,1\0\0", "conversion"), ("x", "conversion")]
    for value, failure in cases:
        alone = c3f8calc.calculate(-25, 15, value, 0.9, 500, 10, decimal_comma=True)
        mixed = c3f8calc.calculate(-25, 15, [value, "0,2"], 0.9, 500, 10, decimal_comma=True)
        objects = c3f8calc.calculate(-25, 15, np.array([value, 0.2], dtype=object), 0.9, 500,
                                     10, decimal_comma=True)
        assert alone.failure == mixed.failure[0] == objects.failure[0] == failure, value
        assert mixed.failure[1] == objects.failure[1] == ""
    for texts in (np.array(["0,1", "x"]), np.array([b"0,1", b"x"])):  # as NumPy holds texts
        r = c3f8calc.calculate(-25, 15, texts, 0.9, 500, 10, decimal_comma=True)
        assert r.failure.tolist() == ["", "conversion"]
        assert r.Qg[0] == c3f8calc.calculate(**RUN_A).Qg
    masked = np.ma.masked_array([0.1, 0.2], mask=[False, True])
    assert c3f8calc.calculate(-25, 15, masked, 0.9, 500, 10).failure.tolist() == \
        ["", "conversion"]
    assert c3f8calc.calculate(-25, 15, pd.Series([0.1, None], dtype="Float64"), 0.9, 500,
                              10).failure.tolist() == ["", "conversion"]


@pytest.mark.parametrize("value", [True, np.bool_(False), [True, 2], np.array([True]),
                                   np.array([1.0, True], dtype=object), 1 + 2j, [0.5, 1j],
                                   np.array([1j])])
def test_booleans_and_complex_numbers_are_refused_naming_the_field(value):
    with pytest.raises(TypeError, match="^m "):
        c3f8calc.calculate(-25, 15, 0.1, 0.9, 500, value)


def test_the_fits_read_their_argument_by_the_same_rule():
    assert np.isnan(c3f8calc.psat(None)) and np.isnan(c3f8calc.hliq("1,5"))
    assert np.isnan(c3f8calc.psat([2**1024 - 1, 10**400])).all()
    assert c3f8calc.read_number("0,5", decimal_comma=True) == c3f8calc.read_number("0.5") == 0.5
    assert c3f8calc.read_number(0.5, decimal_comma=True) == 0.5  # a number is a number
    assert np.isnan(c3f8calc.read_number("0,5")) and np.isnan(c3f8calc.read_number("0.5", True))
    # A scalar gives a NumPy scalar, a sequence an array.
    assert type(c3f8calc.psat(20)) is np.float64 and c3f8calc.psat([20]).shape == (1,)
    assert c3f8calc.hliq("1,5", decimal_comma=True) == c3f8calc.hliq(1.5) == c3f8calc.hliq("1.5")
    assert np.array_equal(c3f8calc.tliq([200, None, "x"]), [c3f8calc.tliq(200), np.nan, np.nan],
                          equal_nan=True)
    for bad in (True, [1, False], 1j, object()):
        with pytest.raises(TypeError, match="^t "):
            c3f8calc.psat_shown(bad)


def test_shown_gives_each_value_as_the_window_would_and_nothing_where_none():
    r = c3f8calc.calculate(-25, 15, 0.1, 0.9, [[0, 1e300], [500, 500]], [[10, 10], [10, "x"]])
    one_by_one = [[c3f8calc.calculate(-25, 15, 0.1, 0.9, Qw, m).shown("m_opt") for Qw, m in row]
                  for row in [[(0, 10), (1e300, 10)], [(500, 10), (500, "x")]]]
    assert r.shown("m_opt").tolist() == one_by_one
    texts = r.shown("Qg")
    assert texts[1, 1] == "" and texts.dtype == np.dtype(f"<U{max(map(len, texts.flat))}")


def test_to_pandas_keeps_the_series_index_and_records_the_units():
    pd = pytest.importorskip("pandas")
    when = pd.date_range("2026-12-09 08:00", periods=3, freq="h")
    log = pd.DataFrame({"tevap": [-25.0, -20.0, -25.0], "Qw": [500, 400, 0]}, index=when)
    frame = c3f8calc.calculate(log.tevap, 15, 0.1, 0.9, log.Qw, 10).to_pandas()
    assert frame.index.equals(when) and frame.Qg.iloc[0] == pytest.approx(-9.312889417)
    assert frame.attrs["units"]["Qg"] == "W" and "x_we" not in frame.attrs["units"]
    assert c3f8calc.calculate(-25, 15, 0.1, 0.9, [0, 500], 10).to_pandas().index.tolist() == [0, 1]
    # Broadcast beyond the Series, the points are rows of their own.
    for rows in (2, 4):
        frame = c3f8calc.calculate(log.tevap, 15, 0.1, 0.9, np.zeros((rows, 1)), 10).to_pandas()
        assert frame.index.tolist() == list(range(3 * rows))
    with pytest.raises(ValueError, match="tevap and Qw have different indexes"):
        c3f8calc.calculate(log.tevap, 15, 0.1, 0.9, log.Qw.reset_index(drop=True), 10)


def test_help_lists_every_column_of_a_result_with_its_unit():
    doc = c3f8calc.Result.__doc__
    for name in c3f8calc.columns:
        assert f"\n    {name} : " in doc, name
    assert "\n    Qg : " in doc and doc.split("\n    Qg : ")[1].split("\n")[0].endswith("[W]")
    assert "help(c3f8calc.Result)" in c3f8calc.calculate.__doc__
    assert "\n    Qw : heat dissipated in the test object [W]\n" in c3f8calc.calculate.__doc__
    assert "\n    x_we : vapour quality wanted at the inlet of the measuring section\n" in \
        c3f8calc.calculate.__doc__
