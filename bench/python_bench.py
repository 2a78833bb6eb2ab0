"""What the Python package costs beside the core itself, measured side by side.

    C3F8CALC_LIBRARY=build/release/library/libc3f8calc.so.1 PYTHONPATH=python \\
        python3 bench/python_bench.py build/release/bench/cli_bench [ROUNDS]

1. c3f8calc.calculate over a million points (run A with Qw from 0 to 999.999 in steps of
   0.001, as a NumPy array), against the core's own run over the same points given as texts
   (cli_bench --core-alone), the two taken in turn;
2. one call with scalars (float inputs, the result made, nothing shown);
3. the same million points with properties="reference" against the fits, taken in turn;
4. the same million points against c3f8_calculate_many called once through ctypes on the same
   arrays; shown() over them against c3f8_format_results called once; to_pandas() against the
   calculate() call that made the result; a call with NumPy scalars against one with floats.
"""
import ctypes
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
    side_by_side(loads, rounds)
    call = timeit.Timer(lambda: c3f8calc.calculate(**RUN_A))
    per_call = [min(call.repeat(repeat=1, number=1000)) / 1000 for _ in range(rounds)]
    print(f"one call with scalars: {statistics.median(per_call) * 1e6:.1f} us "
          f"(median of {rounds} rounds of 1000)")


def median_time(function, rounds):
    times = []
    for _ in range(rounds):
        start = time.perf_counter()
        function()
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def side_by_side(loads, rounds):
    """The package's calls against the library's own on the same arrays."""
    lib, n = c3f8calc._lib, loads.size
    columns = [np.full(1, RUN_A[f.name]) if f.name != "Qw" else loads
               for f in c3f8calc.fields if f.is_input]
    pointers = (ctypes.c_void_p * 6)(*[c.ctypes.data for c in columns])
    strides = (ctypes.c_int64 * 6)(*[8 if c is loads else 0 for c in columns])
    values = np.empty((n, 12))
    states, outside = np.empty((n, 2), np.int8), np.empty(n, np.uint32)
    kinds, failed_fields, failed = np.empty(n, np.int32), np.empty(n, np.int32), ctypes.c_int64()

    def library_many():
        lib.c3f8_calculate_many(n, pointers, strides, values.ctypes.data, states.ctypes.data,
                                outside.ctypes.data, kinds.ctypes.data,
                                failed_fields.ctypes.data, ctypes.byref(failed))

    result = c3f8calc.calculate(**{**RUN_A, "Qw": loads})
    texts, needed = np.empty(n * 16, np.uint8), ctypes.c_int64()
    qg = np.ascontiguousarray(result.Qg)

    def library_format():
        lib.c3f8_format_results(c3f8calc.columns.index("Qg"), n, qg.ctypes.data, b".", texts.ctypes.data, 16,
                                ctypes.byref(needed))

    pairs = [("calculate()", lambda: c3f8calc.calculate(**{**RUN_A, "Qw": loads}),
              "c3f8_calculate_many", library_many),
             ("shown('Qg')", lambda: result.shown("Qg"), "c3f8_format_results", library_format),
             ("to_pandas()", result.to_pandas, "calculate()",
              lambda: c3f8calc.calculate(**{**RUN_A, "Qw": loads}))]
    for name, package, against, library in pairs:
        ours, theirs = median_time(package, rounds), median_time(library, rounds)
        print(f"a million points: {name} {ours:.3f} s, {against} {theirs:.3f} s; ratio "
              f"{ours / theirs:.2f} (medians of {rounds})")
    as_numpy = {name: np.float64(value) for name, value in RUN_A.items()}
    floats = min(timeit.Timer(lambda: c3f8calc.calculate(**RUN_A)).repeat(rounds, 1000))
    scalars = min(timeit.Timer(lambda: c3f8calc.calculate(**as_numpy)).repeat(rounds, 1000))
    print(f"one call: NumPy scalars {scalars * 1e3:.1f} us, floats {floats * 1e3:.1f} us; ratio "
          f"{scalars / floats:.2f} (best of {rounds} rounds of 1000)")


if __name__ == "__main__":
    main()
