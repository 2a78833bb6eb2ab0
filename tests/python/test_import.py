"""What importing the package does: under -OO, with `import *`, and with a library file that is
not the package's."""
import os
import subprocess
import sys

import pytest

import c3f8calc

PYTHON = [sys.executable, "-c"]


def run(code, **environment):
    return subprocess.run(PYTHON + [code], capture_output=True, text=True,
                          env={**os.environ, **environment}, check=False)


def test_imports_and_computes_with_docstrings_stripped():
    done = subprocess.run([sys.executable, "-OO", "-c", "import c3f8calc; print(c3f8calc."
                           "calculate(-25, 15, 0.1, 0.9, 500, 10).shown('Qg'))"],
                          capture_output=True, text=True, check=False)
    assert (done.returncode, done.stdout.strip()) == (0, "-9.3"), done.stderr


def test_import_star_brings_exactly_all_and_leaves_the_warnings_module_alone():
    done = run("import warnings, sys\n"
               "names = {}\n"
               "exec('from c3f8calc import *', names)\n"
               "import c3f8calc\n"
               "assert set(names) - {'__builtins__'} == set(c3f8calc.__all__), "
               "set(names) ^ set(c3f8calc.__all__)\n"
               "exec('from c3f8calc import *')\n"
               "assert warnings is sys.modules['warnings']\n")
    assert done.returncode == 0, done.stderr
    assert "warnings" not in c3f8calc.__all__ and c3f8calc.warnings[0].name == "Ostrzezenie"
    assert all(not isinstance(getattr(c3f8calc, name), type(os)) for name in c3f8calc.__all__)


def test_a_library_that_is_not_the_packages_is_an_os_error_naming_the_file():
    import ctypes.util
    other = ctypes.util.find_library("m")
    done = run("import c3f8calc", C3F8CALC_LIBRARY=other)
    assert "OSError" in done.stderr and other in done.stderr and "c3f8_" in done.stderr
    done = run("import c3f8calc", C3F8CALC_LIBRARY="/nonexistent/libc3f8calc.so.1")
    assert "OSError" in done.stderr and "/nonexistent/libc3f8calc.so.1" in done.stderr


def test_import_loads_neither_pandas_nor_matplotlib():
    done = run("import sys, c3f8calc\n"
               "assert not {'pandas', 'matplotlib'} & set(sys.modules), 'loaded at import'\n")
    assert done.returncode == 0, done.stderr


def test_a_library_error_is_a_runtime_error_in_the_librarys_words():
    with pytest.raises(RuntimeError, match=r"^c3f8calc library: a field, warning, kind or column number is out"):
        c3f8calc._check(2)  # C3F8_ERROR_BAD_INDEX: no call of the package's makes one
