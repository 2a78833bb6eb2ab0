"""What a Result offers besides its columns: points by index, slice and iteration, its repr and
Jupyter table, its columns' types, and the type hints a checker reads."""
import importlib.resources
import typing

import numpy as np
import pytest

import c3f8calc
from conftest import RUN_A

# Of each five points, the second fails at conversion and the fifth at division by zero.
SWEEP = dict(tevap=-25, tsub=15, x_we=0.1, x_wy=[0.9, 0.9, 0.9, 0.9, 0.1] * 5,
             Qw=np.arange(25) * 40.0, m=[10, "x", 10, 10, 10] * 5)


def test_points_by_index_slice_and_iteration_equal_their_own_runs():
    r = c3f8calc.calculate(**SWEEP)
    alone = [c3f8calc.calculate(**{**SWEEP, "x_wy": x_wy, "Qw": Qw, "m": m})
             for x_wy, Qw, m in zip(SWEEP["x_wy"], SWEEP["Qw"], SWEEP["m"])]
    assert [r[k].m for k in range(5)] == [p.m for p in r][:5] == SWEEP["m"][:5]
    for name in c3f8calc.columns[6:]:
        assert [str(getattr(r[k], name)) for k in range(25)] == \
            [str(getattr(p, name)) for p in r] == [str(getattr(a, name)) for a in alone], name
    part = r[2:5]
    assert isinstance(part, c3f8calc.Result) and part.shape == (3,)
    assert part.failure.tolist() == ["", "", "division_by_zero"]
    assert r[3].shape == () and r[3].shown("Qg") == alone[3].shown("Qg")
    grid = c3f8calc.calculate(-25, 15, 0.1, 0.9, np.ones((2, 3)), 10)
    assert grid[1].shape == (3,) and grid[1, 2].shape == () and len(list(grid)) == 6
    with pytest.raises(IndexError, match="cannot be indexed"):
        c3f8calc.calculate(**RUN_A)[0]
    assert not hasattr(r, "Qh") and getattr(r, "failures", None) is None


def test_a_part_keeps_how_the_run_read_its_texts_where_it_took_its_properties_and_its_index():
    pd = pytest.importorskip("pandas")
    r = c3f8calc.calculate("-25", 15, 0.1, 0.9, pd.Series([0.0, 500.0], index=[7, 8]), "10",
                           decimal_comma=True, properties="reference")
    assert r[1].shown("Qg") == r.shown("Qg")[1] and "," in r[1:].shown("Qg")[0]
    assert r[1].properties == r[:1].properties == "reference"
    assert r[1:].to_pandas().index.tolist() == [8]
    assert r[1].to_pandas().index.tolist() == [0]
    # Texts given as scalars stay scalars, as numbers do.
    assert r[0].tevap == "-25" and not isinstance(r[0].tevap, np.ndarray)
    one = c3f8calc.calculate("-25", 15, 0.1, 0.9, 500, "10")
    assert one.tevap == "-25" and not isinstance(one.tevap, np.ndarray)
    assert isinstance(one.shown("Qg"), str) and one.shown("Qg") == "-9.3"


def test_repr_and_the_jupyter_table_say_the_shape_and_the_failures():
    r = c3f8calc.calculate(**SWEEP)
    assert repr(r) == "<c3f8calc.Result of 25 point(s), shape (25,), 10 failed>"
    table = r._repr_html_()
    assert table.count("<tr>") == 1 + 20 and "<td>-9.3</td>" not in table
    assert table.endswith("<p>25 point(s), shape (25,); 10 failed (5 conversion, "
                          "5 division_by_zero); the first 20 shown</p>")
    one = c3f8calc.calculate(**RUN_A)
    assert "<td>-9.3</td>" in one._repr_html_() and "none failed" in one._repr_html_()
    assert "the first" not in one._repr_html_()
    assert repr(one).endswith("0 failed>") and list(one) == [one]
    # A result of one failed point, and a part of a sweep, count their failures too.
    assert repr(c3f8calc.calculate("x", 15, 0.1, 0.9, 500, 10)).endswith(", 1 failed>")
    assert repr(r[:5]).endswith(", 2 failed>")
    # Twenty points are all shown, and the summary says nothing of a first twenty.
    assert "the first" not in r[:20]._repr_html_() and r[:20]._repr_html_().count("<tr>") == 21


def test_the_scalar_path_names_the_failure_and_its_field_as_the_array_path():
    for m in (10, [10]):
        r = c3f8calc.calculate(-25, 15, 0.5, 0.5, 500, m)
        assert (np.ravel(r.failure)[0], np.ravel(r.failure_field)[0]) == \
            ("division_by_zero", "m_opt")


def test_an_input_of_the_whole_shape_is_read_point_by_point():
    loads = np.arange(6.0).reshape(2, 3) * 100
    grid = c3f8calc.calculate(-25, 15, 0.1, 0.9, loads, [[10], [20]])
    flat = c3f8calc.calculate(-25, 15, 0.1, 0.9, loads.reshape(-1), [10] * 3 + [20] * 3)
    assert np.array_equal(grid.Qg.reshape(-1), flat.Qg)
    assert np.array_equal(grid.Qg.T.reshape(-1),
                          c3f8calc.calculate(-25, 15, 0.1, 0.9, loads.T, [10, 20]).Qg.reshape(-1))
    # Nothing shown anywhere is still a text column of NumPy's narrowest width.
    assert c3f8calc.calculate(np.nan, 15, 0.1, 0.9, [0, 1], 10).shown("Qg").dtype == "<U1"


def test_unsigned_arrays_read_as_their_values():
    plain = c3f8calc.calculate(-25, 15, 0.1, 0.9, [0.0, 500.0, 65535.0], 10)
    r = c3f8calc.calculate(-25, 15, 0.1, 0.9, np.array([0, 500, 65535], dtype=np.uint16),
                           np.uint8(10))
    assert np.array_equal(r.Qg, plain.Qg) and np.array_equal(r.Qw, [0, 500, 65535])
    assert np.array_equal(c3f8calc.psat(np.array([0, 20], dtype=np.uint64)), c3f8calc.psat([0, 20]))


def test_to_pandas_types_every_column_and_leaves_undecided_warnings_missing():
    pd = pytest.importorskip("pandas")
    frame = c3f8calc.calculate(**SWEEP).to_pandas()
    made_otherwise = (c3f8calc.calculate(**RUN_A).to_pandas(),
                      c3f8calc.calculate(**SWEEP)[:3].to_pandas())
    for name in ("outside_fits", "failure", "failure_field"):
        assert {str(f[name].dtype) for f in (frame, *made_otherwise)} == {"string"}, name
    for w in c3f8calc.warnings:
        assert str(frame[w.name].dtype) == "boolean"
    assert frame.failure.tolist()[:5] == ["", "conversion", "", "", "division_by_zero"]
    assert frame.m_warn[1] is pd.NA and frame.m_warn[0] is np.False_
    assert frame.failure_field[1] == "m" and frame.outside_fits[0] == ""
    # A point's frame as the sweep's row, index included.
    assert r_row_equals(c3f8calc.calculate(**SWEEP)[3:4].to_pandas(), frame.iloc[3:4])


def r_row_equals(one, row):
    return all(str(one[name].iloc[0]) == str(row[name].iloc[0]) for name in one.columns)


def test_the_package_carries_its_type_hints():
    assert (importlib.resources.files("c3f8calc") / "py.typed").is_file()
    hints = typing.get_type_hints(c3f8calc.calculate)
    assert hints["return"] is c3f8calc.Result and set(hints) >= set(c3f8calc.columns[:6])
    assert typing.get_type_hints(c3f8calc.psat)["decimal_comma"] is bool
