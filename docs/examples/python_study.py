"""A small study with the rcalab module: a sweep over masks, a table of the
results, and the space-time picture of one trial.

Run from the repository after `make python`:
    PYTHONPATH=build-py/src/python /usr/bin/python3 docs/examples/python_study.py WORKDIR
WORKDIR is a working directory made by `rcalab-cli init-workdir`.
"""
import os
import sys

import rcalab

# Workbench(workdir) enters the working directory: keep the figure's path whole.
FIGURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "python_study.png")

# Masks L1 with R1..R4 (left 5-bit number 1, right numbers 1..15), 300 trials each.
rows = rcalab.sweep(masks="1x1..15", lengths="20..40", borders="circle", trials=300, seed=11)
print("| mask | trials | timeouts | v = 0 | kept | v = 1 |")
print("|---|---|---|---|---|---|")
for r in rows:
    print(f"| {r['mask']} | {r['trialCount']} | {r['timeoutCount']} "
          f"| {r['zeroDriftCount']} | {r['keptCount']} | {r['drift1Count']} |")

# One trial in the window's ordinary view, run to its end, as an RGB array.
wb = rcalab.Workbench(sys.argv[1] if len(sys.argv) > 1 else None)
wb.type("Edit1", "21")
wb.type("Edit7", "6")
wb.type("Edit25", "4")  # 4-pixel cells: every row of the run fits the 800-pixel picture
wb.click("Button58")  # Random
wb.click("Button6")   # GO
wb.advance(2000)
picture = wb.canvas()
print("steps:", wb.get("stepTime"), "clocks of line I:", wb.get("cellClockI"))

try:
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
except ImportError:
    sys.exit(0)

fig, (left, right) = plt.subplots(1, 2, figsize=(11, 4.2))
left.imshow(picture[:, : 4 * 21], aspect="auto")
left.set_title("space-time picture (canvas)")
left.axis("off")
right.bar(range(len(rows)), [r["zeroDriftCount"] / r["trialCount"] for r in rows])
right.set_xticks(range(len(rows)), [r["mask"] for r in rows], rotation=70, fontsize=7)
right.set_ylabel("share of trials with v = 0")
right.set_title("sweep over masks, 300 trials each")
fig.tight_layout()
fig.savefig(FIGURE, dpi=90)
