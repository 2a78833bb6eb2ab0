"""What the package's tests share: the worked runs, read from the C++ tests' own table, and
c3f8calc-cli run on the same points."""
import csv
import io
import os
import re
import subprocess
from pathlib import Path

import pytest

WORKED_RUNS = Path(__file__).resolve().parents[1] / "support" / "worked_runs.h"


def _texts(group):
    return re.findall(r'"([^"]*)"', group)


@pytest.fixture(scope="session")
def worked_runs():
    """Each run as (inputs typed, results shown, warnings shown), in the catalogue's order."""
    table = WORKED_RUNS.read_text()
    runs = []
    for typed, shown, warnings in re.findall(
            r'\{"[A-Z]", \{([^}]*)\},\s*\{([^}]*)\},\s*\{([^}]*)\}\}', table):
        runs.append((_texts(typed), _texts(shown),
                     [w.strip() == "true" for w in warnings.split(",")]))
    assert len(runs) == 3
    return runs


@pytest.fixture(scope="session")
def cli():
    """c3f8calc-cli's CSV rows, as dictionaries, for a command line of options."""
    def run(*arguments):
        output = subprocess.run([os.environ["C3F8CALC_CLI"], *arguments], check=False,
                                capture_output=True, text=True).stdout
        return list(csv.DictReader(io.StringIO(output)))
    return run
