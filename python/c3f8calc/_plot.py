"""The pressure-enthalpy diagram of calculated points, drawn with matplotlib."""
from collections import Counter

import numpy as np

import c3f8calc

# Up to this many points drawn, each point's cycle is a line of its own; beyond it, a legend
# could not tell them apart, so the states become markers coloured by one input.
MOST_LINES = 12
# What the window's chart calls each mark.
LABELS = {"isobar": "pevap, tevap", "liquid": "T_subcool", "Hwe_cap": "Hwe_cap",
          "Hx_we": "x_we, Hx_we", "Hx_wy": "x_wy, Hx_wy", "dHg": "\u0394Hg", "dHw": "\u0394Hw"}
PRESSURE_TICKS = (0.1, 0.2, 0.5, 1, 2, 5, 10, 20)  # bar, as far as either dome reaches
STATES = ("Hliq_sat", "Hvap_sat", "Hwe_cap", "Hx_we", "Hx_wy")


def _last_saturated_temperature():
    """The highest temperature with a saturated state, found from the library's answers alone:
    the reference's critical point lies between 71 and 72 C."""
    low, high = 71.0, 72.0
    for _ in range(30):  # to a billionth of a kelvin
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


def _points(result):
    """The run's columns as flat arrays by name, its properties and how its texts were read,
    from a Result or from the DataFrame its to_pandas() gives."""
    if isinstance(result, c3f8calc.Result):
        return ({name: np.asarray(getattr(result, name)).reshape(-1)
                 for name in c3f8calc.columns}, result.properties, result._decimal_comma)
    if type(result).__name__ == "DataFrame" and hasattr(result, "attrs"):
        missing = [name for name in c3f8calc.columns if name not in result.columns]
        if not missing:
            return ({name: result[name].to_numpy() for name in c3f8calc.columns},
                    result.attrs.get("properties", "fits"),
                    result.attrs.get("decimal_comma", False))
        raise TypeError("plot_ph takes a DataFrame as Result.to_pandas() gives it; this one "
                        "lacks " + ", ".join(missing))
    raise TypeError("plot_ph takes a c3f8calc.Result or the DataFrame its to_pandas() gives, "
                    f"not {type(result).__name__}")


def _unit(name):
    return c3f8calc.fields[c3f8calc._index[name]].unit


def _label(name, value):
    return f"{name} = {value:g}" + (f" {_unit(name)}" if _unit(name) else "")


def _failures(failure, failure_field):
    """What stopped the points that failed, the commonest first: "2 conversion at m"."""
    counted = Counter(zip(failure.tolist(), failure_field.tolist()))
    return ", ".join(f"{count} {kind} at {field}" for (kind, field), count
                     in counted.most_common())


def plot_ph(result, ax=None):
    import matplotlib.pyplot as plt
    from matplotlib.ticker import FixedLocator, FuncFormatter, NullFormatter

    column, properties, decimal_comma = _points(result)
    numbers = {f.name: c3f8calc._numbers(f.name, column[f.name], decimal_comma)
               for f in c3f8calc.fields if f.is_input}
    h = {name: np.asarray(column[name], dtype=np.float64) for name in STATES}
    failure = np.asarray(column["failure"]).astype(str)
    drawn = np.flatnonzero((failure == "") & ~np.isnan(h["Hx_wy"]))
    hollow = np.asarray(column["outside_fits"]).astype(str) != ""
    reference = properties == "reference"
    # With the fits the enthalpies are computed at the working pressure, 0.0172 bar above
    # pevap; the reference equation has one pressure.
    pressure_at = ((lambda t: c3f8calc.saturation(t, "reference").p) if reference
                   else c3f8calc.psat)
    working, arriving = pressure_at(numbers["tevap"]), pressure_at(numbers["tsub"])

    if ax is None:
        ax = plt.figure().add_subplot()
    t, p, liquid, vapour = saturation_curves(properties=properties)
    ax.plot(liquid, p, color="red", label="saturated liquid")
    ax.plot(vapour, p, color="blue", label="saturated vapour")
    point = dict(h, working=working, arriving=arriving, hollow=hollow)
    if drawn.size <= MOST_LINES:
        _draw_lines(ax, point, drawn, numbers)
    else:
        _draw_markers(ax, point, drawn, numbers)
    if hollow[drawn].any():
        ax.plot([], [], linestyle="none", marker="o", color="grey", fillstyle="none",
                label="outside the fits' trusted range")

    # The axes stay around the dome (with room under it for the legend): a point far outside
    # the fits would otherwise shrink the dome to a line.
    width = np.nanmax(vapour) - np.nanmin(liquid)
    ax.set_xlim(np.nanmin(liquid) - 0.1 * width, np.nanmax(vapour) + 0.1 * width)
    ax.set_ylim(np.nanmin(p) / 5, np.nanmax(p) * 1.6)
    ax.set_yscale("log")
    ax.yaxis.set_major_locator(FixedLocator(PRESSURE_TICKS))
    ax.yaxis.set_major_formatter(FuncFormatter(lambda value, _: f"{value:g}"))
    ax.yaxis.set_minor_formatter(NullFormatter())
    ax.set_xlabel("H [kJ/kg]")
    ax.set_ylabel("p [bar abs]")
    (left, right), (bottom, top) = ax.get_xlim(), ax.get_ylim()
    xs = np.stack([h[name][drawn] for name in ("Hwe_cap", "Hx_we", "Hx_wy")])
    ys = np.stack([working[drawn], arriving[drawn]])
    off = np.count_nonzero(((xs < left) | (xs > right)).any(axis=0)
                           | ((ys < bottom) | (ys > top)).any(axis=0))

    title = ("reference equation of state (Lemmon and Span 2006)" if reference
             else "pevap shown = working pressure \u2212 0.0172 bar")
    # Under the dome, unless points outside the fits may lie there.
    ax.legend(title=title, loc="best" if hollow[drawn].any() else "lower center",
              ncols=3 if drawn.size <= 1 else 2,
              fontsize="small", title_fontsize="small")
    failed = failure != ""
    said = []
    if failed.any():
        said.append(f"{np.count_nonzero(failed)} of {failure.size} points failed: "
                    + _failures(failure[failed],
                                np.asarray(column["failure_field"]).astype(str)[failed]))
    if off:
        said.append(f"{off} of the points drawn lie off the axes")
    if said:
        ax.set_title("\n".join(said), fontsize="small")
    return ax


def _draw_lines(ax, point, drawn, numbers):
    """Each point's cycle as a line, in the legend by the inputs that vary between points."""
    varying = [name for name, values in numbers.items() if np.unique(values[drawn]).size > 1]
    one = drawn.size == 1
    for k, j in enumerate(drawn):
        # Matplotlib takes "C10" as the cycle's first colour again; the line style tells
        # those lines apart.
        colour = "green" if one else f"C{k}"
        style = {"color": colour, "fillstyle": "none" if point["hollow"][j] else "full"}
        working, arriving = point["working"][j], point["arriving"][j]
        if one:
            label = LABELS["isobar"]
        elif varying:
            label = ", ".join(_label(name, numbers[name][j]) for name in varying)
        else:
            label = f"{drawn.size} points of the same inputs" if k == 0 else "_nolegend_"
        ax.plot([point["Hliq_sat"][j], point["Hvap_sat"][j]], [working, working], color=colour,
                linewidth=2, linestyle="-" if k < 10 else ":", label=label)
        ax.plot([point["Hwe_cap"][j]] * 2, [arriving, working], color=colour, linestyle="--")
        ax.plot([point["Hwe_cap"][j]], [arriving], marker="o", color=colour, fillstyle="none")
        ax.plot([point[name][j] for name in ("Hwe_cap", "Hx_we", "Hx_wy")], [working] * 3,
                linestyle="none", marker="o", **style)
        # The rises as dimension arrows under the isobar, one below the other.
        for start, end, name, below in (("Hwe_cap", "Hx_we", "dHg", 0.8),
                                        ("Hx_we", "Hx_wy", "dHw", 0.9)):
            start, end = point[start][j], point[end][j]
            ax.annotate("", xy=(end, working * below), xytext=(start, working * below),
                        arrowprops={"arrowstyle": "->", "color": colour})
            if one:
                ax.text((start + end) / 2, working * below * 0.98, LABELS[name], ha="center",
                        va="top")
        if one:
            ax.annotate(LABELS["liquid"], (point["Hwe_cap"][j], arriving),
                        textcoords="offset points", xytext=(-8, 6), ha="right")
            for name in ("Hwe_cap", "Hx_we", "Hx_wy"):
                ax.annotate(LABELS[name], (point[name][j], working), textcoords="offset points",
                            xytext=(0, 8), ha="center")


def _draw_markers(ax, point, drawn, numbers):
    """Each point's states as markers coloured by the input that takes the most values (of
    equals, the first in the catalogue's order), with a colour bar naming it."""
    import matplotlib
    from matplotlib.cm import ScalarMappable
    from matplotlib.collections import LineCollection
    from matplotlib.colors import Normalize

    counts = [np.unique(values[drawn]).size for values in numbers.values()]
    name = list(numbers)[counts.index(max(counts))]
    value = numbers[name][drawn]
    norm, cmap = Normalize(value.min(), value.max()), matplotlib.colormaps["viridis"]
    colours = cmap(norm(value))
    working, arriving = point["working"][drawn], point["arriving"][drawn]
    isobars = np.stack([np.column_stack([point["Hliq_sat"][drawn], working]),
                        np.column_stack([point["Hvap_sat"][drawn], working])], axis=1)
    ax.add_collection(LineCollection(isobars, colors=colours, linewidths=0.8, alpha=0.5))
    hollow = point["hollow"][drawn]
    marks = (("Hwe_cap", arriving, "v", LABELS["liquid"]), ("Hwe_cap", working, "o", "Hwe_cap"),
             ("Hx_we", working, "s", LABELS["Hx_we"]), ("Hx_wy", working, "^", LABELS["Hx_wy"]))
    for state, pressure, marker, label in marks:
        for empty in (False, True):
            at = hollow == empty
            ax.scatter(point[state][drawn][at], pressure[at], marker=marker, s=18,
                       facecolors="none" if empty else colours[at], edgecolors=colours[at])
        ax.plot([], [], linestyle="none", marker=marker, color="grey", label=label)
    ax.figure.colorbar(ScalarMappable(norm, cmap), ax=ax,
                       label=name + c3f8calc._in_brackets(_unit(name)))
