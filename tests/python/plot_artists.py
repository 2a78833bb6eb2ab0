"""What a p-h diagram draws, as data: every line, marker collection, text and arrow with its
place, style and colour, and the axes' limits, ticks, labels, legend and title, rounded so that
the same drawing gives the same record on any machine."""
import numpy as np
from matplotlib.colors import to_hex


def _numbers(values):
    return [float(f"{v:.9g}") for v in np.asarray(values, dtype=float).reshape(-1)]


def record(ax):
    """The drawing on ax, and on its figure's colour bar, as plain data."""
    # The saturation curves by their ends: their points are tested on their own.
    lines = [{"label": line.get_label(),
              "xy": _numbers(line.get_xydata()[[0, -1]] if line.get_label().startswith(
                  "saturated") else line.get_xydata()),
              "colour": to_hex(line.get_color()), "style": line.get_linestyle(),
              "width": line.get_linewidth(), "marker": str(line.get_marker()),
              "fill": line.get_fillstyle()} for line in ax.get_lines()]
    collections = []
    for c in ax.collections:
        entry = {"kind": type(c).__name__, "faces": [to_hex(f) for f in c.get_facecolors()],
                 "edges": [to_hex(e) for e in c.get_edgecolors()]}
        if hasattr(c, "get_offsets") and type(c).__name__ == "PathCollection":
            entry |= {"at": _numbers(c.get_offsets()), "sizes": _numbers(c.get_sizes()),
                      "path": _numbers(c.get_paths()[0].vertices) if c.get_paths() else []}
        if hasattr(c, "get_segments"):
            entry |= {"segments": _numbers(np.concatenate(c.get_segments()) if c.get_segments()
                                           else []), "widths": _numbers(c.get_linewidths()),
                      "alpha": c.get_alpha()}
        collections.append(entry)
    texts = []
    for t in ax.texts:
        entry = {"text": t.get_text(), "at": _numbers(t.get_position()),
                 "align": [t.get_horizontalalignment(), t.get_verticalalignment()]}
        if hasattr(t, "xy"):
            entry |= {"xy": _numbers(t.xy), "coords": str(t.anncoords)}
            if t.arrow_patch is not None:
                entry["arrow"] = [t.arrowprops.get("arrowstyle"),
                                  to_hex(t.arrowprops.get("color"))]
        texts.append(entry)
    ax.figure.canvas.draw()  # the tick labels are made when drawn
    legend = ax.get_legend()
    low, high = ax.get_ylim()
    return {
        "lines": lines, "collections": collections, "texts": texts,
        "xlim": _numbers(ax.get_xlim()), "ylim": _numbers(ax.get_ylim()),
        "yscale": ax.get_yscale(),
        "yticks": [t.get_text() for t in ax.get_yticklabels() if low <= t.get_position()[1] <= high],
        "minor_labels": [t.get_text() for t in ax.yaxis.get_minorticklabels() if t.get_text()],
        "labels": [ax.get_xlabel(), ax.get_ylabel()], "title": ax.get_title(),
        "legend": None if legend is None else {
            "title": legend.get_title().get_text(), "texts": [t.get_text() for t in legend.texts],
            "loc": legend._loc, "columns": legend._ncols},
        "colour_bar": [a.get_ylabel() for a in ax.figure.axes if a is not ax],
    }
