"""What the manual page, --help and the README say of c3f8calc-cli, against the program itself:
every option and column by its name, and every example that runs the program, run."""
import ctypes
import os
import re
import shlex
import subprocess
from pathlib import Path

import pytest

SOURCE = Path(__file__).resolve().parents[2]
MANUAL = (SOURCE / "data" / "c3f8calc-cli.1.in").read_text()
README = (SOURCE / "README.md").read_text()
CLI = os.environ["C3F8CALC_CLI"]


def run(arguments, cwd=None):
    return subprocess.run([CLI, *arguments], capture_output=True, text=True, cwd=cwd)


HELP = run(["--help"]).stdout


def help_options():
    return set(re.findall(r"^\s+(?:-h,)?(--[\w-]+)", HELP, re.M))


def library_failure_kinds():
    """The names of the kinds of failure, from the library the program is built on."""
    library = ctypes.CDLL(os.environ["C3F8CALC_LIBRARY"])
    count, name, message = ctypes.c_int32(), ctypes.c_char_p(), ctypes.c_char_p()
    assert library.c3f8_counts(None, None, ctypes.byref(count), None) == 0
    names = []
    for kind in range(count.value):
        assert library.c3f8_failure_kind(kind, ctypes.byref(name), ctypes.byref(message)) == 0
        names.append(name.value.decode())
    return names


def manual_text(roff):
    """The page's text with its escapes for a minus and a line's continuation undone."""
    return roff.replace("\\-", "-").replace("\\e\n", " ")


def test_manual_names_every_option_and_nothing_else():
    listed = set(re.findall(r"^\.B[IR]? (--[\w-]+)", manual_text(MANUAL), re.M))
    synopsis = manual_text(MANUAL.split(".SH DESCRIPTION")[0])
    assert listed == help_options()
    assert set(re.findall(r"(--[\w-]+)", synopsis)) == help_options() - {"--help", "--version"}


def test_manual_names_every_column_format_and_limit():
    text = manual_text(MANUAL)
    header = run(["--tevap", "-25", "--tsub", "15", "--x_we", "0.1", "--x_wy", "0.9",
                  "--Qw", "500", "--m", "10", "--format", "csv"]).stdout.splitlines()[0]
    own = header.split(",")[header.split(",").index("Qg") + 1:]
    for column in own:
        assert re.search(rf"\b{column}\b", text), column
    formats = re.search(r"--format TEXT:\{([\w,]+)\}", HELP).group(1)
    assert re.search(r'\.BR --format " ([\w|]+)"', text).group(1).split("|") == \
        formats.split(",")
    limit = re.search(r"than 10\^(\d+)", HELP).group(1)
    assert f"allow more than 1{'0' * int(limit)} points" in text.replace("\n", " ")


@pytest.mark.skipif("C3F8CALC_LIBRARY" not in os.environ,
                    reason="the library can be loaded into Python only without sanitizers")
def test_manual_names_every_failure_kind():
    text = manual_text(MANUAL).replace("\n", " ")
    kinds = re.search(r"failure \(the kind: ([^)]*)\)", text).group(1)
    assert re.split(r", | or ", kinds) == library_failure_kinds()


@pytest.fixture
def folder(tmp_path):
    """Files that the examples name, with a few points."""
    rows = "tevap,tsub,x_we,x_wy,Qw\n-25,15,0.1,0.9,500\n-20,10,0.2,0.8,700\n"
    for name in ("points.csv", "setpoints.csv", "campaign.csv"):
        (tmp_path / name).write_text(rows)
    return tmp_path


def run_shell(command, cwd):
    """An example's command line, as typed, with the program's path for its name."""
    tools = str(Path(CLI).parent)
    return subprocess.run(["bash", "-c", command], capture_output=True, text=True, cwd=cwd,
                          env={**os.environ, "PATH": tools + os.pathsep + os.environ["PATH"]})


def test_help_examples_run(folder):
    examples = re.findall(r"^  (c3f8calc-cli .*)$", HELP, re.M)
    assert len(examples) >= 3
    for command in examples:
        done = run_shell(command, folder)
        assert done.returncode == 0, (command, done.stderr)


def test_manual_examples_run(folder):
    blocks = re.findall(r"^\.EX\n(.*?)\n\.EE", manual_text(MANUAL), re.M | re.S)
    assert len(blocks) >= 5
    for command in blocks:
        # A log that grows for ever is read as it stands.
        command = command.replace("tail -n +1 -f", "cat")
        done = run_shell(command, folder)
        assert done.returncode == 0, (command, done.stderr)


def test_readme_examples_give_what_it_shows(folder):
    blocks = re.findall(r"```console\n(.*?)```", README, re.S)
    assert len(blocks) >= 2
    for block in blocks:
        expected = block.split("\n$ ")
        for session in expected:
            command, _, shown = session.removeprefix("$ ").partition("\n")
            if not command.startswith(("c3f8calc-cli", "cat ")):
                continue
            # On a terminal the program writes a table; here the example asks for it.
            if command.startswith("c3f8calc-cli") and ">" not in command \
                    and "--format" not in command:
                command += " --format table"
            done = run_shell(command, folder)
            assert done.returncode == 0, (command, done.stderr)
            assert done.stdout == shown, command


def test_readme_control_program_runs(folder):
    code = re.search(r"```python\nimport csv\nimport subprocess\n.*?```", README, re.S).group(0)
    code = code.removeprefix("```python\n").removesuffix("```")
    done = run_shell("python3 -c " + shlex.quote(code), folder)
    assert done.returncode == 0, done.stderr
    assert done.stdout.splitlines()[0] == "-9.3 6.13 false"
