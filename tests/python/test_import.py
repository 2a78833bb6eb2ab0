"""What importing the package does: under -OO, with `import *`, and with a library file that is
not the package's."""
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

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
    last = done.stderr.strip().splitlines()[-1]
    assert last.startswith("OSError: ") and "/nonexistent/libc3f8calc.so.1" in last


def test_the_library_beside_the_module_is_found_and_named_as_the_file_it_is(tmp_path):
    # The package as a wheel lays it out, the library beside the module; and a library named
    # through a link is the file the link leads to.
    package = tmp_path / "c3f8calc"
    shutil.copytree(Path(c3f8calc.__file__).parent, package,
                    ignore=shutil.ignore_patterns("__pycache__", "*.so*", "*.dll"))
    real = Path(c3f8calc.library_path())
    header = (Path(__file__).resolve().parents[2] / "library/include/c3f8calc.h").read_text()
    soversion = re.search(r"^#define C3F8_SOVERSION (\d+)$", header, re.M).group(1)
    beside = package / ("c3f8calc.dll" if sys.platform == "win32" else
                        f"libc3f8calc.so.{soversion}")
    shutil.copy(real, beside)
    where = ("import c3f8calc; print(c3f8calc.library_path()); "
             "print(c3f8calc.calculate(-25, 15, 0.1, 0.9, 500, 10).shown('Qg'))")
    environment = {k: v for k, v in os.environ.items() if k != "C3F8CALC_LIBRARY"}
    done = subprocess.run(PYTHON + [where], capture_output=True, text=True, check=False,
                          env={**environment, "PYTHONPATH": str(tmp_path)})
    assert done.stdout.split() == [str(beside), "-9.3"], done.stderr
    (tmp_path / "link.so").symlink_to(real)
    done = run(where, C3F8CALC_LIBRARY=str(tmp_path / "link.so"))
    assert done.stdout.split() == [os.path.realpath(real), "-9.3"], done.stderr


def test_import_loads_neither_pandas_nor_matplotlib():
    done = run("import sys, c3f8calc\n"
               "assert not {'pandas', 'matplotlib'} & set(sys.modules), 'loaded at import'\n")
    assert done.returncode == 0, done.stderr


def test_a_library_error_is_a_runtime_error_in_the_librarys_words():
    with pytest.raises(RuntimeError, match=r"^c3f8calc library: a field, warning, kind or column number is out"):
        c3f8calc._check(2)  # C3F8_ERROR_BAD_INDEX: no call of the package's makes one


def test_the_guards_against_a_library_of_another_shape(monkeypatch):
    with pytest.raises(ImportError, match="does not know its layout item 'nothing'"):
        c3f8calc._library.layout(c3f8calc._lib, "nothing")
    for fewer_or_more in (c3f8calc._inputs[:5], c3f8calc._inputs + c3f8calc._inputs[:1]):
        monkeypatch.setattr(c3f8calc, "_inputs", fewer_or_more)
        with pytest.raises(ImportError, match=r"calculate\(\) takes \['tevap', .*'m'\], but"):
            c3f8calc._check_parameters()


@pytest.mark.parametrize("struct", ["c3f8_field_info", "c3f8_outcome"])
def test_a_library_laying_out_a_structure_otherwise_is_refused_at_import(struct):
    # The package's loader as it is, but told that the library's struct is 8 bytes larger.
    code = ("import sys, types\n"
            f"path = {str(Path(c3f8calc.__file__).parent / '_library.py')!r}\n"
            "loader = types.ModuleType('c3f8calc._library')\n"
            "loader.__file__ = path\n"
            "exec(compile(open(path).read(), path, 'exec'), loader.__dict__)\n"
            "sys.modules['c3f8calc._library'] = loader\n"
            "layout = loader.layout\n"
            f"loader.layout = lambda lib, item: layout(lib, item) + 8 * (item == {struct!r})\n"
            "import c3f8calc\n")
    done = run(code)
    assert f"ImportError: the c3f8calc library lays out its structures otherwise than this " \
           f"module ({struct} takes" in done.stderr, done.stderr
