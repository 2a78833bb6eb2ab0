"""The pressure-enthalpy diagram of calculated points, drawn with matplotlib."""
import numpy as np

import c3f8calc

MOST_POINTS = 50
# What the window's chart calls each mark.
LABELS = {"isobar": "pevap, tevap", "liquid": "T_subcool", "Hwe_cap": "Hwe_cap",
          "Hx_we": "x_we, Hx_we", "Hx_wy": "x_wy, Hx_wy", "dHg": "\u0394Hg", "dHw": "\u0394Hw"}


def _last_saturated_temperature():
    """The highest temperature with a saturated state, found from the library's answers alone:
    the reference's critical point lies between 71 and 72 C."""
    low, high = 71.0, 72.0
    while (high - low) > 1e-9:
        middle = (low + high) / 2
        if np.isnan(c3f8calc.saturation(middle, "reference").p):
            high = middle
        else:
            low = middle
    return low


def saturation_curves(samples=200, properties="fits"):
    """The saturated-liquid and -vapour curves: (t, p, H_liquid, H_vapour), each an array. The
    fits' over their trusted range, at the working pressure their enthalpies use; the reference
    equation's from -60 C to its critical point, where the two curves meet."""
    if properties == "fits":
        low, high = c3f8calc.fits_trusted_range
        t = np.linspace(low, high, samples)
        p = c3f8calc.psat(t)
        return t, p, c3f8calc.hliq(p), c3f8calc.hvap(p)
    # Closer together towards the critical point, where the dome closes steeply.
    critical = _last_saturated_temperature()
    t = critical - (critical + 60) * np.linspace(1, 0, samples) ** 2
    p, liquid, vapour = c3f8calc.saturation(t, "reference")
    return t, p, liquid, vapour


def plot_ph(result, ax=None):
    import matplotlib.pyplot as plt

    n = len(result)
    if n > MOST_POINTS:
        raise ValueError(f"plot_ph draws at most {MOST_POINTS} points, not {n}")
    if ax is None:
        ax = plt.figure().add_subplot()
    reference = result.properties == "reference"
    t, p, liquid, vapour = saturation_curves(properties=result.properties)
    ax.plot(liquid, p, color="red", label="saturated liquid")
    ax.plot(vapour, p, color="blue", label="saturated vapour")
    ax.set_yscale("log")
    ax.set_xlabel("H [kJ/kg]")
    ax.set_ylabel("p [bar abs]")

    flat = {name: np.asarray(getattr(result, name)).reshape(-1)
            for name in ("tevap", "tsub", "Hliq_sat", "Hvap_sat", "Hwe_cap", "Hx_we", "Hx_wy")}
    one = n == 1
    for j in range(n):
        point = {name: values[j] for name, values in flat.items()}
        if np.isnan(point["Hx_wy"]):
            continue  # the point stopped before its states were known
        # The temperatures as the run read them, from texts where they were given so.
        tevap, tsub = (c3f8calc.read_number(point[name], result._decimal_comma)
                       if isinstance(point[name], (str, bytes)) else float(point[name])
                       for name in ("tevap", "tsub"))
        colour = "green" if one else f"C{j % 10}"
        # With the fits the enthalpies are computed at the working pressure, 0.0172 bar above
        # pevap; the reference equation has one pressure.
        pressure_at = ((lambda t: float(c3f8calc.saturation(t, "reference").p)) if reference
                       else (lambda t: float(c3f8calc.psat(t))))
        working, arriving = pressure_at(tevap), pressure_at(tsub)
        ax.plot([point["Hliq_sat"], point["Hvap_sat"]], [working, working], color=colour,
                linewidth=2, label=LABELS["isobar"] if one else f"point {j}")
        ax.plot([point["Hwe_cap"], point["Hwe_cap"]], [arriving, working], color=colour,
                linestyle="--")
        ax.plot([point["Hwe_cap"]], [arriving], marker="o", color=colour, fillstyle="none")
        ax.plot([point["Hwe_cap"], point["Hx_we"], point["Hx_wy"]], [working] * 3,
                linestyle="none", marker="o", color=colour)
        # The rises as dimension arrows under the isobar, one below the other.
        for start, end, name, below in ((point["Hwe_cap"], point["Hx_we"], "dHg", 0.8),
                                        (point["Hx_we"], point["Hx_wy"], "dHw", 0.9)):
            ax.annotate("", xy=(end, working * below), xytext=(start, working * below),
                        arrowprops={"arrowstyle": "->", "color": colour})
            if one:
                ax.text((start + end) / 2, working * below * 0.98, LABELS[name], ha="center",
                        va="top")
        if one:
            ax.annotate(LABELS["liquid"], (point["Hwe_cap"], arriving),
                        textcoords="offset points", xytext=(-8, 6), ha="right")
            for name in ("Hwe_cap", "Hx_we", "Hx_wy"):
                ax.annotate(LABELS[name], (point[name], working), textcoords="offset points",
                            xytext=(0, 8), ha="center")
    # Room under the dome for the legend, which then covers nothing drawn.
    ax.set_ylim(bottom=np.nanmin(p) / 5)
    title = ("reference equation of state (Lemmon and Span 2006)" if reference
             else "pevap shown = working pressure \u2212 0.0172 bar")
    ax.legend(title=title, loc="lower center", ncols=3, fontsize="small",
              title_fontsize="small")
    return ax
