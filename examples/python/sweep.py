"""A sweep of the evaporation temperature and the heat load, as a DataFrame and a p-h diagram.

    python3 sweep.py            # prints the table and writes sweep.png
"""
import matplotlib

matplotlib.use("Agg")
import numpy as np

import c3f8calc

# Every combination: temperatures down the rows, heat loads across.
result = c3f8calc.calculate(tevap=np.array([-40, -30, -20])[:, None], tsub=15, x_we=0.1,
                            x_wy=0.9, Qw=np.array([250, 500]), m=10)
frame = result.to_pandas()
print(frame[["tevap", "Qw", "pevap", "m_opt", "Qg", "Ostrzezenie", "m_warn"]])

# One diagram of the three temperatures at the higher load.
ax = c3f8calc.plot_ph(c3f8calc.calculate(tevap=[-40, -30, -20], tsub=15, x_we=0.1, x_wy=0.9,
                                         Qw=500, m=10))
ax.set_title("C3F8: three evaporation temperatures, Qw = 500 W")
ax.figure.savefig("sweep.png", dpi=100)
