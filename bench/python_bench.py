"""What the Python package costs beside the core itself, measured side by side.

    C3F8CALC_LIBRARY=build/release/library/libc3f8calc.so.1 PYTHONPATH=python \\
        python3 bench/python_bench.py build/release/bench/cli_bench [ROUNDS]

1. c3f8calc.calculate over a million points (run A with Qw from 0 to 999.999 in steps of
   0.001, as a NumPy array), against the core's own run over the same points given as texts
   (cli_bench --core-alone), the two taken in turn;
2. one call with scalars (float inputs, the result made, nothing shown);
3. the same million points with properties="reference" against the fits, taken in turn.
"""
import statistics
import subprocess
import sys
import time
import timeit
from pathlib import Path

import numpy as np

import c3f8calc

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "support"))
from worked_runs import read_worked_runs  # noqa: E402

# Run A as numbers, by the package's own names of the inputs.
RUN_A = {f.name: float(text) for f, text in zip(
    (f for f in c3f8calc.fields if f.is_input), read_worked_runs()[0][0], strict=True)}


def main():
    cli_bench = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    loads = np.arange(1_000_000) * 0.001
    core, package = [], []
    for _ in range(rounds):
        core.append(float(subprocess.run([cli_bench, "--core-alone"], check=True,
                                         capture_output=True, text=True).stdout))
        start = time.perf_counter()
        result = c3f8calc.calculate(**{**RUN_A, "Qw": loads})
        package.append(time.perf_counter() - start)
        assert result.failure[0] == "" and len(result) == loads.size
    print(f"a million points: c3f8calc.calculate {statistics.median(package):.3f} s; the core "
          f"on texts {statistics.median(core):.3f} s; ratio "
          f"{statistics.median(package) / statistics.median(core):.2f} (medians of {rounds})")
    by = {"fits": [], "reference": []}
    for _ in range(rounds):
        for properties, times in by.items():
            start = time.perf_counter()
            c3f8calc.calculate(**{**RUN_A, "Qw": loads}, properties=properties)
            times.append(time.perf_counter() - start)
    fits, reference = (statistics.median(by[p]) for p in ("fits", "reference"))
    print(f"a million points on the reference equation {reference:.3f} s, on the fits "
          f"{fits:.3f} s; ratio {reference / fits:.2f} (medians of {rounds})")
    call = timeit.Timer(lambda: c3f8calc.calculate(**RUN_A))
    per_call = [min(call.repeat(repeat=1, number=1000)) / 1000 for _ in range(rounds)]
    print(f"one call with scalars: {statistics.median(per_call) * 1e6:.1f} us "
          f"(median of {rounds} rounds of 1000)")


if __name__ == "__main__":
    main()
