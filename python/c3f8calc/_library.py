"""Loading libc3f8calc and declaring its C functions for ctypes."""
import ctypes
import os
import sys
from pathlib import Path

# The version of the library's file whose interface this module speaks (C3F8_SOVERSION).
SOVERSION = 1

if sys.platform == "win32":
    _FILE_NAME = "c3f8calc.dll"
else:
    _FILE_NAME = f"libc3f8calc.so.{SOVERSION}"


class FieldInfo(ctypes.Structure):
    _fields_ = [("name", ctypes.c_char_p), ("caption", ctypes.c_char_p),
                ("unit", ctypes.c_char_p), ("pattern", ctypes.c_char_p),
                ("meaning", ctypes.c_char_p), ("is_input", ctypes.c_int32),
                ("decimals", ctypes.c_int32)]


def outcome_type(results, warnings):
    """The C struct c3f8_outcome, for these counts of results and warnings."""
    class Outcome(ctypes.Structure):
        _fields_ = [("values", ctypes.c_double * results), ("warnings", ctypes.c_int8 * warnings),
                    ("failure_kind", ctypes.c_int32), ("failure_field", ctypes.c_int32),
                    ("outside_fits", ctypes.c_uint32)]
    return Outcome


_i32 = ctypes.c_int32
_i64 = ctypes.c_int64
_p = ctypes.c_void_p
_str = ctypes.c_char_p
_PROTOTYPES = {
    "c3f8_version": [ctypes.POINTER(_str)],
    "c3f8_counts": [ctypes.POINTER(_i32)] * 4,
    "c3f8_layout": [_str, ctypes.POINTER(_i64)],
    "c3f8_field": [_i32, ctypes.POINTER(FieldInfo)],
    "c3f8_warning": [_i32, ctypes.POINTER(_str), ctypes.POINTER(_str)],
    "c3f8_failure_kind": [_i32, ctypes.POINTER(_str), ctypes.POINTER(_str)],
    "c3f8_column": [_i32, ctypes.POINTER(_str), ctypes.POINTER(_i32), ctypes.POINTER(_i32)],
    "c3f8_fits_trusted_range": [ctypes.POINTER(ctypes.c_double)] * 2,
    "c3f8_psat": [ctypes.c_double, ctypes.POINTER(ctypes.c_double)],
    "c3f8_psat_shown": [ctypes.c_double, ctypes.POINTER(ctypes.c_double)],
    "c3f8_hliq": [ctypes.c_double, ctypes.POINTER(ctypes.c_double)],
    "c3f8_hvap": [ctypes.c_double, ctypes.POINTER(ctypes.c_double)],
    "c3f8_tliq": [ctypes.c_double, ctypes.POINTER(ctypes.c_double)],
    "c3f8_calculate": [_p, _str, _p, _i64, _p, _p],
    "c3f8_calculate_many": [_i64, _p, _p, _p, _p, _p, _p, _p, ctypes.POINTER(_i64)],
    "c3f8_read_number": [_str, _str, ctypes.POINTER(ctypes.c_double), ctypes.POINTER(_i32)],
    "c3f8_format_result": [_i32, ctypes.c_double, _str, _p, _i64, _p],
    "c3f8_format_results": [_i32, _i64, _p, _str, _p, _i64, ctypes.POINTER(_i64)],
    "c3f8_failure_message": [_i32, _i32, _p, _i64, _p],
    "c3f8_properties": [_i32, ctypes.POINTER(_str), ctypes.POINTER(_str)],
    "c3f8_reference_saturation": [ctypes.c_double] + [ctypes.POINTER(ctypes.c_double)] * 3,
    "c3f8_saturation_temperature": [_i32, ctypes.c_double, ctypes.POINTER(ctypes.c_double)],
    "c3f8_calculate_with_properties": [_i32, _p, _str, _p, _i64, _p, _p],
    "c3f8_calculate_many_with_properties": [_i32, _i64, _p, _p, _p, _p, _p, _p, _p,
                                            ctypes.POINTER(_i64)],
}


def layout(library, item):
    """A limit or a struct's layout as the loaded library has it (c3f8_layout)."""
    value = ctypes.c_int64()
    status = library.c3f8_layout(item.encode(), ctypes.byref(value))
    if status != 0:
        raise ImportError(f"the c3f8calc library does not know its layout item {item!r}")
    return value.value


def check_layout(library, struct, name):
    """ImportError unless struct (a ctypes.Structure) is laid out as the library's C struct."""
    mismatches = []
    size = layout(library, name)
    if ctypes.sizeof(struct) != size:
        mismatches.append(f"{name} takes {size} bytes, not {ctypes.sizeof(struct)}")
    for member, _ in struct._fields_:
        offset = layout(library, f"{name}.{member}")
        if getattr(struct, member).offset != offset:
            mismatches.append(f"{name}.{member} lies at {offset}, not "
                              f"{getattr(struct, member).offset}")
    if mismatches:
        raise ImportError("the c3f8calc library lays out its structures otherwise than this "
                          "module (" + "; ".join(mismatches) + ")")


def _candidates():
    """Where the library is looked for, in order, with what each is called."""
    chosen = os.environ.get("C3F8CALC_LIBRARY")
    if chosen:
        return [chosen]
    beside = Path(__file__).resolve().parent / _FILE_NAME
    return [str(beside), _FILE_NAME] if beside.exists() else [_FILE_NAME]


def _loaded_path(library):
    """The file the system loaded for library."""
    if sys.platform == "win32":
        buffer = ctypes.create_unicode_buffer(32768)
        ctypes.windll.kernel32.GetModuleFileNameW(ctypes.c_void_p(library._handle), buffer,
                                                  len(buffer))
        return buffer.value

    class DlInfo(ctypes.Structure):
        _fields_ = [("dli_fname", ctypes.c_char_p), ("dli_fbase", ctypes.c_void_p),
                    ("dli_sname", ctypes.c_char_p), ("dli_saddr", ctypes.c_void_p)]

    info = DlInfo()
    libc = ctypes.CDLL(None)
    address = ctypes.cast(library.c3f8_version, ctypes.c_void_p)
    if libc.dladdr(address, ctypes.byref(info)) and info.dli_fname:
        return os.path.realpath(os.fsdecode(info.dli_fname))
    return library._name


def load():
    """The library, with its functions declared, and the path it was loaded from."""
    errors = []
    for candidate in _candidates():
        try:
            library = ctypes.CDLL(candidate)
        except OSError as error:
            errors.append(f"{candidate}: {error}")
            continue
        for name, arguments in _PROTOTYPES.items():
            try:
                function = getattr(library, name)
            except AttributeError:
                raise OSError(f"{candidate} is not the c3f8calc library this package needs: it "
                              f"has no function {name}") from None
            function.argtypes = arguments
            function.restype = _i32
        library.c3f8_status_text.argtypes = [_i32]
        library.c3f8_status_text.restype = _str
        return library, _loaded_path(library)
    raise OSError("cannot load the c3f8calc library (set C3F8CALC_LIBRARY to its path): "
                  + "; ".join(errors))
