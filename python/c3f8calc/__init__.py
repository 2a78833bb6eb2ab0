"""The operating point of an evaporative C3F8 cooling loop, over NumPy arrays.

The calculation of the c3f8calc window and of c3f8calc-cli, from the same library: six
inputs in the window's units (C, W, g/s) give twelve results, two warnings, the temperatures
outside the property fits' trusted range and, where a point stops, its failure. A point that
fails gives NaN where it stopped and names its failure; it never raises.

>>> import c3f8calc
>>> r = c3f8calc.calculate(tevap=-25, tsub=15, x_we=0.1, x_wy=0.9, Qw=[0, 500], m=10)
>>> r.shown("Qg")
array(['490.7', '-9.3'], dtype='<U5')
"""
import ctypes
import threading
from collections import namedtuple
from collections.abc import Iterator
from typing import TYPE_CHECKING

import numpy as np
import numpy.typing as npt

from . import _library

if TYPE_CHECKING:
    import matplotlib.axes
    import pandas

# What the functions take and give: a value or any array-like of them (texts included), and a
# float64 array of the input's shape, or a float64 scalar where the input was a scalar.
Values = npt.ArrayLike
Floats = npt.NDArray[np.float64] | np.float64

# What `from c3f8calc import *` brings: the functions, classes and catalogue constants, not the
# modules this one uses, nor `warnings`, which would hide Python's own module of that name.
__all__ = [
    "calculate", "Result", "plot_ph", "read_number", "library_path", "failure_message",
    "psat", "psat_shown", "hliq", "hvap", "tliq",
    "saturation", "saturation_temperature", "Saturation",
    "fields", "columns", "failure_kinds", "fits_trusted_range", "properties",
    "Field", "WarningLabel", "FailureKind",
]

_lib, _path = _library.load()
# Before any call fills one of these structures: a library that lays them out otherwise would
# write past them.
_library.check_layout(_lib, _library.FieldInfo, "c3f8_field_info")

Field = namedtuple("Field", "name caption unit pattern decimals meaning is_input")
WarningLabel = namedtuple("WarningLabel", "name caption")
FailureKind = namedtuple("FailureKind", "name message")


def _check(status):
    if status != 0:
        raise RuntimeError("c3f8calc library: " + _lib.c3f8_status_text(status).decode())


def _catalogue():
    counts = [ctypes.c_int32() for _ in range(4)]
    _check(_lib.c3f8_counts(*counts))
    n_fields, n_warnings, n_kinds, n_columns = (c.value for c in counts)
    info = _library.FieldInfo()
    fields = []
    for i in range(n_fields):
        _check(_lib.c3f8_field(i, ctypes.byref(info)))
        fields.append(Field(info.name.decode(), info.caption.decode(), info.unit.decode(),
                            info.pattern.decode(), info.decimals, info.meaning.decode(),
                            bool(info.is_input)))
    name, text = ctypes.c_char_p(), ctypes.c_char_p()
    warnings = []
    for i in range(n_warnings):
        _check(_lib.c3f8_warning(i, ctypes.byref(name), ctypes.byref(text)))
        warnings.append(WarningLabel(name.value.decode(), text.value.decode()))
    kinds = []
    for i in range(n_kinds):
        _check(_lib.c3f8_failure_kind(i, ctypes.byref(name), ctypes.byref(text)))
        kinds.append(FailureKind(name.value.decode(), text.value.decode()))
    kind, of = ctypes.c_int32(), ctypes.c_int32()
    columns = []
    for i in range(n_columns):
        _check(_lib.c3f8_column(i, ctypes.byref(name), ctypes.byref(kind), ctypes.byref(of)))
        columns.append(name.value.decode())
    low, high = ctypes.c_double(), ctypes.c_double()
    _check(_lib.c3f8_fits_trusted_range(ctypes.byref(low), ctypes.byref(high)))
    version = ctypes.c_char_p()
    _check(_lib.c3f8_version(ctypes.byref(version)))
    properties = []
    while _lib.c3f8_properties(len(properties), ctypes.byref(name), ctypes.byref(text)) == 0:
        properties.append(name.value.decode())
    return (tuple(fields), tuple(warnings), tuple(kinds), tuple(columns),
            (low.value, high.value), tuple(properties), version.value.decode())


(fields, warnings, failure_kinds, columns, fits_trusted_range, properties,
 __version__) = _catalogue()
"""fields: every field (inputs, then results) with its caption, unit, display pattern and
meaning; warnings: the two warnings with their captions; failure_kinds: the kinds of failure
with their messages; columns: the names of the columns of c3f8calc-cli's CSV, which a result
has as attributes; fits_trusted_range: the temperatures (C) over which the fits are trusted;
properties: where a run may take the fluid's properties from ("fits", "reference")."""

_inputs = tuple(f for f in fields if f.is_input)
_results = tuple(f for f in fields if not f.is_input)
_index = {f.name: i for i, f in enumerate(fields)}
_Outcome = _library.outcome_type(len(_results), len(warnings))
_library.check_layout(_lib, _Outcome, "c3f8_outcome")
_TEXT_MAX = _library.layout(_lib, "text_max")


def library_path() -> str:
    """The file of the c3f8calc library this module uses: C3F8CALC_LIBRARY where it is set,
    otherwise the one beside this module, otherwise the system's."""
    return _path


def _numbers(name, x, decimal_comma):
    """x as float64, by the rule calculate() reads its inputs by: a text as the window reads it,
    NaN for a missing or unreadable value; TypeError for a boolean, complex or other type."""
    given = _as_given(name, x)
    if given.dtype != object:
        return given
    numbers = np.empty(given.shape, dtype=np.float64)
    for i, item in np.ndenumerate(given):
        if _missing(item):
            numbers[i] = np.nan
        elif isinstance(item, (str, bytes)):
            numbers[i] = read_number(item, decimal_comma)
        else:
            try:
                numbers[i] = float(item)
            except OverflowError:  # an integer beyond the largest double
                numbers[i] = np.nan
    return numbers


# The library's statuses that this module tells apart (c3f8calc.h).
_BUFFER_TOO_SMALL, _BAD_VALUE, _NO_SATURATION = 5, 8, 9


def _each(values, outputs, call):
    """call(value, *pointers) for every value, into one array of values' shape for each of its
    outputs; NaN where the library knows no state there (or the value is not finite)."""
    out = [ctypes.c_double() for _ in range(outputs)]
    results = np.full((outputs,) + values.shape, np.nan)
    for i, value in np.ndenumerate(values):
        status = call(float(value), *(ctypes.byref(o) for o in out))
        if status == 0:
            results[(slice(None),) + i] = [o.value for o in out]
        elif status not in (_NO_SATURATION, _BAD_VALUE):
            _check(status)
    return list(results)  # NumPy scalars for a scalar value, arrays otherwise


def _fit(function, x, name, decimal_comma):
    return _each(_numbers(name, x, decimal_comma), 1, function)[0]


def psat(t: Values, decimal_comma: bool = False) -> Floats:
    """Saturation pressure [bar abs] at t [C], as the enthalpies use it."""
    return _fit(_lib.c3f8_psat, t, "t", decimal_comma)


def psat_shown(t: Values, decimal_comma: bool = False) -> Floats:
    """Saturation pressure [bar abs] at t [C] as pevap shows it, 0.0172 bar lower."""
    return _fit(_lib.c3f8_psat_shown, t, "t", decimal_comma)


def hliq(p: Values, decimal_comma: bool = False) -> Floats:
    """Saturated-liquid enthalpy [kJ/kg] at p [bar abs]."""
    return _fit(_lib.c3f8_hliq, p, "p", decimal_comma)


def hvap(p: Values, decimal_comma: bool = False) -> Floats:
    """Saturated-vapour enthalpy [kJ/kg] at p [bar abs]."""
    return _fit(_lib.c3f8_hvap, p, "p", decimal_comma)


def tliq(H: Values, decimal_comma: bool = False) -> Floats:
    """Liquid temperature [C] whose saturated-liquid enthalpy is H [kJ/kg]."""
    return _fit(_lib.c3f8_tliq, H, "H", decimal_comma)


def _properties_index(name):
    if name not in properties:
        raise ValueError(f"properties must be one of {', '.join(map(repr, properties))}, "
                         f"not {name!r}")
    return properties.index(name)


Saturation = namedtuple("Saturation", "p h_liquid h_vapour")


def saturation(t: Values, properties: str = "fits") -> "Saturation":
    """The saturated state at t [C]: Saturation(p [bar abs], h_liquid, h_vapour [kJ/kg]).

    With the fits these are what a run shows as pevap, Hliq_sat and Hvap_sat (the enthalpies at
    the working pressure, 0.0172 bar above pevap); with "reference", C3F8's reference equation
    of state, NaN outside the triple point (-147.7 C) .. the critical point (71.87 C)."""
    if _properties_index(properties) == 0:
        working = psat(t)
        return Saturation(psat_shown(t), hliq(working), hvap(working))
    return Saturation(*_each(_numbers("t", t, False), 3, _lib.c3f8_reference_saturation))


def saturation_temperature(p: Values, properties: str = "fits") -> Floats:
    """The evaporation temperature [C] at the absolute pressure p [bar]: with the fits, the
    temperature whose pevap shows p; with "reference", the equation's saturation temperature.
    NaN where there is none (p at or below 0, or outside the reference's 2.02e-5 .. 26.40 bar)."""
    which = _properties_index(properties)
    return _each(_numbers("p", p, False), 1,
                 lambda value, out: _lib.c3f8_saturation_temperature(which, value, out))[0]


def _missing(item):
    """None, pandas' NA (without importing pandas) or NumPy's masked constant."""
    return item is None or item is np.ma.masked or type(item).__name__ == "NAType"


def _as_given(name, value):
    """An input as an array of its own: float64 for numbers, objects where it holds texts or
    missing values. Every value gives the same outcome alone, in a list or in an array: texts
    go through the core's reader, numbers stay numbers, a missing value reads as an empty
    field, and a boolean or a complex number is refused."""
    if isinstance(value, (str, bytes)) or _missing(value):
        return np.array(value, dtype=object)
    if isinstance(value, np.ma.MaskedArray):
        array = value.astype(object).filled(None)
    else:
        try:
            array = np.array(value)
        except (TypeError, ValueError) as error:
            raise ValueError(f"{name}: {error}") from None
        if not isinstance(value, np.ndarray) and array.dtype.kind in "USiuf":
            # A list's items as they were: NumPy would turn its numbers into texts beside a
            # text, its booleans into numbers beside a number, and cut a text at its NULs.
            items = np.array(value, dtype=object)
            if array.dtype.kind in "US" or any(isinstance(item, (bool, np.bool_))
                                               for item in items.flat):
                array = items
    if array.dtype.kind in "iuf":
        return array.astype(np.float64)
    if array.dtype.kind in "USOT":
        array = array.astype(object)
        for item in array.flat:
            if _missing(item):
                continue
            if isinstance(item, (bool, np.bool_)) or not isinstance(
                    item, (str, bytes, int, float, np.integer, np.floating)):
                raise TypeError(f"{name} holds {item!r}, neither a number nor a text")
        return array
    raise TypeError(f"{name} must be numbers or texts, not {array.dtype}")


def _text_of(item, separator):
    if _missing(item):
        return b""  # as an empty field: a conversion failure
    if isinstance(item, str):
        item = item.encode()
    if isinstance(item, bytes):
        # The C text ends at a NUL; a byte no number has in its place keeps the rest unreadable.
        return item.replace(b"\0", b"\x7f")
    if isinstance(item, (int, np.integer)):
        return str(int(item)).encode()
    # A number as its shortest text, which reads back to it ("nan" and "inf" do not read).
    return repr(float(item)).replace(".", separator).encode()


def read_number(text: str | bytes, decimal_comma: bool = False) -> float:
    """text read as the window reads a field; NaN where it is no number."""
    value, readable = ctypes.c_double(), ctypes.c_int32()
    _check(_lib.c3f8_read_number(_text_of(text, "," if decimal_comma else "."),
                                 b"," if decimal_comma else b".", ctypes.byref(value),
                                 ctypes.byref(readable)))
    return value.value


class Result:
    """The points of one call of calculate(), as c3f8calc-cli writes them: an attribute for
    each of its CSV columns. Inputs are as given; results are float64 (unrounded; NaN where a
    point stopped before them); Ostrzezenie and m_warn are int8 (1 shown, 0 hidden, -1 not
    decided); outside_fits, failure and failure_field are texts ("" where none). Scalars in
    give scalars out."""

    _decimal_comma = False  # how the texts among the inputs were read
    _series_index = None  # the index that the pandas Series among the inputs shared
    properties = "fits"  # where the run took the fluid's properties from
    _coded = {}  # a text column's names and each point's index among them, where a run has them

    def __init__(self, shape, attributes):
        self.shape = shape
        # A column given as a function is made when first read (__getattr__).
        self._pending = {k: v for k, v in attributes.items() if callable(v)}
        self.__dict__.update((k, v) for k, v in attributes.items() if not callable(v))

    @classmethod
    def _of_columns(cls, shape, inputs, results, states, outside_fits, failure, failure_field):
        """The one place where a run's columns become a Result's attributes: each argument holds
        the columns of its kind in the catalogue's order (the inputs, results, warnings)."""
        attributes = dict(zip((f.name for f in _inputs), inputs, strict=True))
        attributes.update(zip((f.name for f in _results), results, strict=True))
        attributes.update(zip((w.name for w in warnings), states, strict=True))
        attributes.update(outside_fits=outside_fits, failure=failure, failure_field=failure_field)
        return cls(shape, attributes)

    @classmethod
    def _of_arrays(cls, shape, given, values, warning_states, outside, kinds, failed_fields):
        scalar = shape == ()

        def out(flat):
            shaped = flat.reshape(shape)
            return shaped[()] if scalar else shaped

        # The text columns are made when first read, from the run's codes: most callers of a
        # large sweep read figures, not names; to_pandas() builds its columns from the codes.
        coded = {"outside_fits": lambda: _distinct_masks(outside),
                 "failure": lambda: (_KIND_NAMES, kinds + 1),
                 "failure_field": lambda: (_FIELD_NAMES, failed_fields + 1)}

        def text(name):
            names, where = coded[name]()
            return lambda: out(names[where])

        result = cls._of_columns(shape, [a[()] if scalar else a for a in given],
                                 [out(values[:, i]) for i in range(len(_results))],
                                 [out(warning_states[:, w]) for w in range(len(warnings))],
                                 *(text(name) for name in coded))
        result._coded = coded
        return result

    def __getattr__(self, name):
        pending = self.__dict__.get("_pending", {})
        if name not in pending:
            raise AttributeError(f"'Result' object has no attribute {name!r}")
        value = pending.pop(name)()
        self.__dict__[name] = value
        return value

    def __len__(self) -> int:
        return int(np.prod(self.shape, dtype=np.int64))

    def __getitem__(self, key) -> "Result":
        """The points key selects, by NumPy's indexing of the result's shape, as a Result."""
        if self.shape == ():
            raise IndexError("a result of one point (shape ()) cannot be indexed")
        shape = np.empty(self.shape, dtype=np.bool_)[key].shape
        result = Result(shape, {name: np.asarray(getattr(self, name))[key] for name in columns})
        result._decimal_comma, result.properties = self._decimal_comma, self.properties
        if self._series_index is not None:
            result._series_index = self._series_index[key] if shape != () else None
        return result

    def __iter__(self) -> Iterator["Result"]:
        """Each point in C order, as a Result of shape ()."""
        if self.shape == ():
            yield self
            return
        for i in np.ndindex(self.shape):
            yield self[i]

    def _failed(self):
        """Whether each point failed, flat in C order."""
        if "failure" in self._coded:
            return self._coded["failure"]()[1].reshape(-1) != 0  # 0: no kind
        return np.asarray(self.failure).reshape(-1) != ""

    def __repr__(self):
        return (f"<c3f8calc.Result of {len(self)} point(s), shape {self.shape}, "
                f"{np.count_nonzero(self._failed())} failed>")

    def _repr_html_(self):
        """A table of the first points, as the window shows them, and a summary (Jupyter)."""
        import html

        flat = {name: np.asarray(self.shown(name) if _is_result(name) else getattr(self, name))
                .reshape(-1)[:_ROWS_SHOWN] for name in columns}
        head = "".join(f"<th>{html.escape(name)}</th>" for name in columns)
        rows = "".join("<tr>" + "".join(f"<td>{html.escape(str(flat[name][j]))}</td>"
                                        for name in columns) + "</tr>"
                       for j in range(min(len(self), _ROWS_SHOWN)))
        kinds, counts = np.unique(np.asarray(self.failure).reshape(-1)[self._failed()],
                                  return_counts=True)
        failed = ", ".join(f"{c} {k}" for k, c in zip(kinds.tolist(), counts.tolist()))
        summary = (f"{len(self)} point(s), shape {self.shape}; "
                   + (f"{sum(counts.tolist())} failed ({failed})" if failed else "none failed")
                   + (f"; the first {_ROWS_SHOWN} shown" if len(self) > _ROWS_SHOWN else ""))
        return (f"<table><thead><tr>{head}</tr></thead><tbody>{rows}</tbody></table>"
                f"<p>{html.escape(summary)}</p>")

    def shown(self, name: str, decimal_comma: bool | None = None) -> npt.NDArray[np.str_] | str:
        """The window's texts of the result name ("" where a point did not reach it), with a
        decimal comma where decimal_comma is set; by default in the notation the call that
        made this result read its texts with."""
        if decimal_comma is None:
            decimal_comma = self._decimal_comma
        if not _is_result(name):
            raise ValueError(f"{name!r} is not a result: one of "
                             + ", ".join(f.name for f in _results))
        given = np.asarray(getattr(self, name), dtype=np.float64)
        values = np.ascontiguousarray(given).reshape(-1)
        separator = b"," if decimal_comma else b"."
        # One library call for all values, into rows of capacity bytes that NumPy reads as
        # texts; a second with the room the longest needs, where a first was too small.
        needed = ctypes.c_int64()
        for capacity in (16, None):
            capacity = capacity or needed.value
            buffer = np.zeros(max(values.size, 1) * capacity, dtype=np.uint8)
            status = _lib.c3f8_format_results(_index[name], values.size, values.ctypes.data,
                                              separator, buffer.ctypes.data, capacity,
                                              ctypes.byref(needed))
            if status != _BUFFER_TOO_SMALL:
                _check(status)
                break
        width = max(needed.value - 1, 1)  # the longest text, as NumPy would size it
        # The texts are ASCII, so widening each byte to a code point makes NumPy's str array;
        # about three times faster than decoding them as bytes texts.
        codes = np.empty((values.size, width), dtype=np.uint32)
        codes[...] = buffer[:values.size * capacity].reshape(-1, capacity)[:, :width]
        texts = codes.view(f"U{width}").reshape(given.shape)
        return texts[()] if texts.ndim == 0 else texts

    def to_pandas(self) -> "pandas.DataFrame":
        """A DataFrame of one row a point, in C order, with c3f8calc-cli's columns: results
        unrounded, warnings as pandas' nullable booleans, texts as strings."""
        import pandas as pd

        data = {}
        for name in columns:
            if name in self._coded:  # without making the column of texts first
                names, where = self._coded[name]()
                data[name] = pd.array(names, dtype="string").take(where)
                continue
            column = np.asarray(getattr(self, name)).reshape(-1)
            if name in (w.name for w in warnings):
                column = pd.arrays.BooleanArray(column == 1, column < 0)
            elif column.dtype.kind in "USO":
                column = pd.array(column.astype(str), dtype="string")
            data[name] = column
        frame = pd.DataFrame(data, index=self._series_index)
        frame.attrs["units"] = {f.name: f.unit for f in fields if f.unit}
        # What plot_ph() needs to read the frame as it reads this result.
        frame.attrs.update(properties=self.properties, decimal_comma=self._decimal_comma)
        return frame


def _in_brackets(unit):
    """A unit as captions append it: " [W]", or nothing for a field without one."""
    return f" [{unit}]" if unit else ""


def _described(f):
    """A field's line in the docstrings: its name, meaning and unit."""
    return f"\n    {f.name} : {f.meaning}{_in_brackets(f.unit)}"


if Result.__doc__ is not None:  # None where Python runs with -OO
    Result.__doc__ += "\n\n    Attributes (one for each column):\n" + "".join(
        _described(f) for f in fields) + "".join(
        f"\n    {w.name} : the warning \"{w.caption}\" (1 shown, 0 hidden, -1 not decided)"
        for w in warnings) + (
        "\n    outside_fits : the fields outside the fits' trusted range, by blanks"
        "\n    failure : the kind of failure where a point stopped (failure_kinds), or \"\""
        "\n    failure_field : the field it names, or \"\"")

_ROWS_SHOWN = 20  # the rows of a result's table in Jupyter


def _is_result(name):
    return name in _index and not fields[_index[name]].is_input


_KIND_NAMES = np.array([""] + [k.name for k in failure_kinds])
_FIELD_NAMES = np.array([""] + [f.name for f in fields])


def _distinct_masks(outside):
    """The names of each distinct mask of fields outside the fits, spelt out once, and where
    each point's is among them."""
    if not outside.any():
        return np.array([""]), np.zeros(outside.size, dtype=np.intp)
    masks, where = np.unique(outside, return_inverse=True)
    return np.array([_outside_names(m) for m in masks.tolist()]), where.reshape(-1)


def _outside_names(mask):
    return " ".join(f.name for b, f in enumerate(fields) if mask >> b & 1)


class _OnePoint(threading.local):
    """The C call's storage for one point, made once for each thread that calls."""

    def __init__(self):
        self.point = (ctypes.c_double * len(_inputs))()
        base = ctypes.addressof(self.point)
        self.pointers = (ctypes.c_void_p * len(_inputs))(
            *(base + ctypes.sizeof(ctypes.c_double) * k for k in range(len(_inputs))))
        self.strides = (ctypes.c_int64 * len(_inputs))()  # all 0: one point
        self.values = (ctypes.c_double * len(_results))()
        self.states = (ctypes.c_int8 * len(warnings))()
        self.outside, self.kind, self.field, self.failed = (
            ctypes.c_uint32(), ctypes.c_int32(), ctypes.c_int32(), ctypes.c_int64())
        self.arguments = (1, self.pointers, self.strides, self.values, self.states,
                          ctypes.byref(self.outside), ctypes.byref(self.kind),
                          ctypes.byref(self.field), ctypes.byref(self.failed))


_one_point = _OnePoint()
_KIND_LIST = _KIND_NAMES.tolist()
_FIELD_LIST = _FIELD_NAMES.tolist()


def _calculate_one(numbers, which):
    """One point from six Python numbers, without NumPy's arrays: a call from a control loop."""
    one = _one_point
    one.point[:] = numbers
    _check(_lib.c3f8_calculate_many_with_properties(which, *one.arguments))
    mask = one.outside.value
    return Result._of_columns((), [np.float64(x) for x in numbers],
                              [np.float64(x) for x in one.values],
                              [np.int8(x) for x in one.states],
                              _outside_names(mask) if mask else "",
                              _KIND_LIST[one.kind.value + 1], _FIELD_LIST[one.field.value + 1])


def _plain_number(value):
    """A Python or NumPy number that a double holds, not a boolean: the scalar path's input."""
    if isinstance(value, (bool, np.bool_)) or not isinstance(value, (int, float, np.integer,
                                                                     np.floating)):
        return False
    return not isinstance(value, int) or abs(value) < 2**1023


def _shared_index(raw):
    """The index of the pandas Series among the inputs, which must all have the same one;
    None where there is none."""
    named = [(f.name, v.index) for f, v in zip(_inputs, raw)
             if hasattr(v, "index") and hasattr(v, "to_numpy") and not isinstance(v, np.ndarray)]
    for name, index in named[1:]:
        if not index.equals(named[0][1]):
            raise ValueError(f"the Series given as {named[0][0]} and {name} have different "
                             "indexes; give them one, or give arrays")
    return named[0][1] if named else None


def failure_message(kind: str, field: str) -> str:
    """The window's message for a failure of kind (its name, as Result.failure gives it) at the
    field named field: the two lines the window shows."""
    kinds = [k.name for k in failure_kinds]
    if kind not in kinds or field not in _index:
        raise ValueError(f"{kind!r} at {field!r} is no failure: kinds are {', '.join(kinds)}")
    text = ctypes.create_string_buffer(_TEXT_MAX * 2)
    _check(_lib.c3f8_failure_message(kinds.index(kind), _index[field], text, _TEXT_MAX * 2,
                                     None))
    return text.value.decode()


def calculate(tevap: Values, tsub: Values, x_we: Values, x_wy: Values, Qw: Values, m: Values, *,
              decimal_comma: bool = False, properties: str = "fits") -> Result:
    """Operating points of the loop, as the window computes them.

    Each input is a number, a sequence or a NumPy array; they broadcast by NumPy's rules and
    points are taken in C order. A text (or an array of texts) is read as if typed into the
    window, with a comma as its decimal separator where decimal_comma is set; one that does not
    read is a conversion failure of that point. properties="reference" takes the fluid's
    properties from C3F8's reference equation of state instead of the window's fits: a point
    it has no saturated state for fails with "no_saturated_state", and outside_fits stays "".

    Returns a Result: an attribute for each input, result, warning and failure column, each an
    array of the broadcast shape (scalars in give scalars out); see help(c3f8calc.Result).

    Parameters (see c3f8calc.fields for each meaning):
    """
    which = _properties_index(properties)
    raw = (tevap, tsub, x_we, x_wy, Qw, m)
    if all(_plain_number(v) for v in raw):
        result = _calculate_one(raw, which)
        result.properties = properties
        return result
    index = _shared_index(raw)
    given = [_as_given(f.name, v) for f, v in zip(_inputs, raw, strict=True)]
    try:
        shape = np.broadcast_shapes(*(a.shape for a in given))
    except ValueError:
        shapes = ", ".join(f"{f.name} {a.shape}" for f, a in zip(_inputs, given) if a.ndim)
        raise ValueError(f"the inputs' shapes do not broadcast together: {shapes}") from None
    n = int(np.prod(shape, dtype=np.int64))
    values = np.empty((n, len(_results)), dtype=np.float64)
    warning_states = np.empty((n, len(warnings)), dtype=np.int8)
    outside = np.empty(n, dtype=np.uint32)
    kinds = np.empty(n, dtype=np.int32)
    failed_fields = np.empty(n, dtype=np.int32)
    if any(a.dtype == object for a in given):
        _calculate_texts(given, shape, "," if decimal_comma else ".", which, values,
                         warning_states, outside, kinds, failed_fields)
    else:
        arrays, pointers, strides = [], (ctypes.c_void_p * len(_inputs))(), \
            (ctypes.c_int64 * len(_inputs))()
        for k, a in enumerate(given):
            if a.size == 1:
                a, stride = np.ascontiguousarray(a.reshape(1)), 0
            elif a.ndim == 1 and a.shape == shape:
                stride = a.strides[0]
            else:
                a = np.ascontiguousarray(np.broadcast_to(a, shape))
                stride = a.itemsize
            arrays.append(a)
            pointers[k], strides[k] = a.ctypes.data, stride
        failed = ctypes.c_int64()
        _check(_lib.c3f8_calculate_many_with_properties(
            which, n, pointers, strides, values.ctypes.data, warning_states.ctypes.data,
            outside.ctypes.data, kinds.ctypes.data, failed_fields.ctypes.data,
            ctypes.byref(failed)))
    given = [np.broadcast_to(a, shape) for a in given]
    result = Result._of_arrays(shape, given, values, warning_states, outside, kinds,
                               failed_fields)
    result._decimal_comma = decimal_comma
    result.properties = properties
    if index is not None and shape == (len(index),):
        result._series_index = index
    return result


def _calculate_texts(given, shape, separator, which, values, warning_states, outside, kinds,
                     failed_fields):
    texts = [np.broadcast_to(a, shape).reshape(-1) for a in given]
    buffer = ctypes.create_string_buffer(len(_results) * _TEXT_MAX)
    outcome = _Outcome()
    point = (ctypes.c_char_p * len(_inputs))()
    for j in range(values.shape[0]):
        for k, column in enumerate(texts):
            point[k] = _text_of(column[j], separator)
        _check(_lib.c3f8_calculate_with_properties(which, point, separator.encode(), buffer,
                                                   _TEXT_MAX, ctypes.byref(outcome), None))
        values[j] = outcome.values
        warning_states[j] = outcome.warnings
        outside[j], kinds[j] = outcome.outside_fits, outcome.failure_kind
        failed_fields[j] = outcome.failure_field


def _check_parameters():
    """calculate() takes the catalogue's inputs, by their names and in their order."""
    import inspect
    named = [p.name for p in inspect.signature(calculate).parameters.values()
             if p.kind is p.POSITIONAL_OR_KEYWORD]
    if named != [f.name for f in _inputs]:
        raise ImportError(f"calculate() takes {named}, but the c3f8calc library's inputs are "
                          f"{[f.name for f in _inputs]}")


_check_parameters()
if calculate.__doc__ is not None:  # None where Python runs with -OO
    calculate.__doc__ += "".join(_described(f) for f in _inputs)


def plot_ph(result: "Result | pandas.DataFrame", ax: "matplotlib.axes.Axes | None" = None
            ) -> "matplotlib.axes.Axes":
    """A pressure-enthalpy diagram of the points of result (a Result, or the DataFrame its
    to_pandas() gives), on ax or new axes, over the saturation dome of the properties the result
    was computed with. Up to 12 points drawn, each point's cycle is a line named in the legend
    by the inputs that vary; beyond that, the states are markers coloured by the input that
    takes the most values. Failed points are left out and counted in the title; points outside
    the fits' trusted range are drawn hollow; the axes stay around the dome.

    Returns the axes, so that measured points can be added."""
    from ._plot import plot_ph as plot
    return plot(result, ax)
