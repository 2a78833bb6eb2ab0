"""The worked runs, read from the C++ tests' own table, for the Python and web tests."""
import re
from pathlib import Path

WORKED_RUNS = Path(__file__).resolve().parent / "worked_runs.h"


def _texts(group):
    return re.findall(r'"([^"]*)"', group)


def read_worked_runs():
    """Each run as (inputs typed, results shown, warnings shown), in the catalogue's order."""
    runs = []
    for typed, shown, warnings in re.findall(
            r'\{"[A-Z]", \{([^}]*)\},\s*\{([^}]*)\},\s*\{([^}]*)\}\}', WORKED_RUNS.read_text()):
        runs.append((_texts(typed), _texts(shown),
                     [w.strip() == "true" for w in warnings.split(",")]))
    assert len(runs) == 3
    return runs
