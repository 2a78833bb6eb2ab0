"""The worked runs, read from the C++ tests' own table, for the Python and web tests."""
import re
from pathlib import Path

WORKED_RUNS = Path(__file__).resolve().parent / "worked_runs.h"


def _texts(group):
    return re.findall(r'"([^"]*)"', group)


def _flags(group):
    return [w.strip() == "true" for w in group.split(",")]


def _runs():
    runs = re.findall(r'\{"[A-Z]", \{([^}]*)\},' + r'\s*\{([^}]*)\},' * 3 + r'\s*\{([^}]*)\}\}',
                      WORKED_RUNS.read_text())
    assert len(runs) == 3
    return runs


def read_worked_runs():
    """Each run as (inputs typed, results shown, warnings shown), in the catalogue's order."""
    return [(_texts(typed), _texts(shown), _flags(warnings))
            for typed, shown, warnings, _, _ in _runs()]


def read_reference_runs():
    """The same runs on the reference equation of state."""
    return [(_texts(typed), _texts(shown), _flags(warnings))
            for typed, _, _, shown, warnings in _runs()]
