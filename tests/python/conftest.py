"""What the package's tests share: the worked runs, read from the C++ tests' own table, and
c3f8calc-cli run on the same points."""
import csv
import io
import os
import subprocess
import sys
from pathlib import Path

import pytest

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from worked_runs import read_worked_runs  # noqa: E402

import c3f8calc  # noqa: E402

# Run A's inputs as numbers, by the package's names of them.
RUN_A = {f.name: float(text) for f, text in zip(
    (f for f in c3f8calc.fields if f.is_input), read_worked_runs()[0][0], strict=True)}


@pytest.fixture(scope="session")
def worked_runs():
    """Each run as (inputs typed, results shown, warnings shown), in the catalogue's order."""
    return read_worked_runs()


@pytest.fixture(scope="session")
def cli():
    """c3f8calc-cli's CSV rows, as dictionaries, for a command line of options."""
    def run(*arguments):
        output = subprocess.run([os.environ["C3F8CALC_CLI"], *arguments], check=False,
                                capture_output=True, text=True).stdout
        return list(csv.DictReader(io.StringIO(output)))
    return run
