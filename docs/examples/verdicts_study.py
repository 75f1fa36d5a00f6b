"""The theory check at scale: the share of "OK!!" among every start line of
lengths 6 .. 20, for four masks on the Circle, and one counterexample.

Run from the repository after `make python`:
    PYTHONPATH=build-py/src/python /usr/bin/python3 docs/examples/verdicts_study.py
"""
import os
import sys

import numpy as np

import rcalab

FIGURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "verdicts_study.png")
MASKS = ["L1,R1", "L1,R1,R2", "L1,R2", "L1,R1,R2,R3"]
LENGTHS = (6, 21)

shares = {}
print("| L | " + " | ".join(MASKS) + " |")
print("|---" * (len(MASKS) + 1) + "|")
for mask in MASKS:
    rows = rcalab.verdicts(LENGTHS, all=True, mask=mask)
    shares[mask] = [(r["length"], r["ok"], r["lines"], r["timeout"]) for r in rows]
for k in range(LENGTHS[1] - LENGTHS[0]):
    cells = []
    for mask in MASKS:
        length, ok, lines, timeouts = shares[mask][k]
        cells.append(f"{ok} ({100 * ok / lines:.3g} %)" + (f", {timeouts} timeouts" if timeouts else ""))
    print(f"| {LENGTHS[0] + k} | " + " | ".join(cells) + " |")

# The first counterexample of length 12 with the start-up mask.
first = rcalab.verdicts((12, 13), all=True, cases=True)[0]
line = "".join("CBA"[c] for c in first["case_lines"][0])
print("first NOT at L=12:", line, "ends at step", first["case_end_steps"][0],
      "and parts from the model at row", first["case_rows"][0],
      "column", first["case_columns"][0])
print("NOT lines per end step:", np.bincount(first["case_end_steps"])[:40].tolist())

try:
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
except ImportError:
    sys.exit(0)

fig, ax = plt.subplots(figsize=(7, 4.2))
# L1,R1,R2 and L1,R1,R2,R3 pass the same lines: dashes keep both visible.
for mask, style in zip(MASKS, ["-", "-", "-", "--"]):
    lengths = [r[0] for r in shares[mask]]
    ax.semilogy(lengths, [r[1] / r[2] for r in shares[mask]], style, marker="o", label=mask)
ax.set_xlabel("length L (every one of the 2^L lines of A and B cells)")
ax.set_ylabel('share of "OK!!"')
ax.set_title("The theory check's verdict, Circle")
ax.grid(True, which="both", alpha=0.3)
ax.legend()
fig.tight_layout()
fig.savefig(FIGURE, dpi=90)
