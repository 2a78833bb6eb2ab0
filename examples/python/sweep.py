"""A sweep of the evaporation temperature and the heat load, as a DataFrame and a p-h diagram.

    python3 sweep.py [PICTURE]  # prints the table and writes PICTURE (sweep.png)
"""
import sys

import matplotlib

matplotlib.use("Agg")
import numpy as np

import c3f8calc

# Every combination: temperatures down the rows, heat loads across.
result = c3f8calc.calculate(tevap=np.array([-40, -30, -20])[:, None], tsub=15, x_we=0.1,
                            x_wy=0.9, Qw=np.array([250, 500]), m=10)
frame = result.to_pandas()
print(frame[["tevap", "Qw", "pevap", "m_opt", "Qg", "Ostrzezenie", "m_warn"]])

# One diagram of every degree from -40 to 20 C at the higher load: 61 points, so each state is
# a marker coloured by tevap.
ax = c3f8calc.plot_ph(c3f8calc.calculate(tevap=np.arange(-40, 21), tsub=15, x_we=0.1, x_wy=0.9,
                                         Qw=500, m=10))
ax.figure.suptitle("C3F8: evaporation from -40 to 20 C, Qw = 500 W, m = 10 g/s")
ax.figure.savefig(sys.argv[1] if len(sys.argv) > 1 else "sweep.png", dpi=100)
