"""The Python module against rcalab-cli: same verbs, same values, same numbers."""
import json
import subprocess

import numpy as np
import pytest
import rcalab

from conftest import CLI


def cli_print(workdir, script):
    out = subprocess.run(
        [CLI, "--workdir", str(workdir), "-e", script], check=True, capture_output=True, text=True
    )
    return out.stdout.splitlines()


SCRIPT = ["select RadioGroup12 0", "click CheckBox33", "click Button58", "click Button6",
          "advance 1000"]


@pytest.fixture
def cli_dir(tmp_path_factory):
    """A folder of the CLI's own: the workbench holds `workdir`."""
    folder = tmp_path_factory.mktemp("cli")
    subprocess.run([CLI, "init-workdir", str(folder)], check=True)
    return folder


def test_values_match_the_cli_print(workdir, cli_dir):
    wb = rcalab.Workbench(str(workdir))
    for line in SCRIPT:
        verb, *args = line.split()
        if verb == "advance":
            wb.advance(int(args[0]))
        elif verb == "select":
            wb.select(args[0], int(args[1]))
        else:
            wb.click(args[0])
    names = ["lineI", "cellClockI", "stepTime", "Label57", "StatusBar1"]
    printed = cli_print(cli_dir, ";".join(SCRIPT + [f"print {n}" for n in names]))
    line = wb.get("lineI")
    assert line.dtype == np.uint8 and line.shape == (wb.get("lineLength"),)
    assert "".join("CBA"[c] for c in line) == printed[0]
    assert wb.get("cellClockI").tolist() == [int(v) for v in printed[1].split()]
    assert wb.get("stepTime") == int(printed[2]) > 0
    assert wb.get("Label57") == printed[3]
    assert str(wb.get("StatusBar1")) == printed[4]
    grid = wb.get("markCI")
    assert grid.shape == (1024, wb.get("lineLength"))
    assert grid[1].tolist() == [int(v) for v in cli_print(cli_dir, ";".join(
        SCRIPT + ["print markCI[1]"]))[0].split()]


def test_canvas_and_errors(workdir, cli_dir):
    wb = rcalab.Workbench(str(workdir))
    wb.set("lineI", "AAAAB")
    image = wb.canvas()
    assert image.shape == (800, 1146, 3) and image.dtype == np.uint8
    packed = int(cli_print(cli_dir, "pixel 5 5")[0])
    assert tuple(image[5, 5]) == (packed & 255, (packed >> 8) & 255, packed >> 16)
    wb.click("ShowCA1")
    assert wb.canvas("TForm6").shape[2] == 3
    with pytest.raises(rcalab.ScriptError, match="unknown control Nope"):
        wb.click("Nope")
    with pytest.raises(RuntimeError, match="unknown handler"):
        wb.call("NoSuchClick")
    with pytest.raises(RuntimeError, match="unknown form"):
        wb.canvas("TForm42")
    with pytest.raises(RuntimeError, match="cellWidth takes"):
        wb.set("cellWidth", "99999999999")
    with pytest.raises(RuntimeError, match="mouse X 2147483647 is outside"):
        wb.mouse("down", 2147483647, 0, "left", "TForm10")


def test_batch_and_sweep_equal_the_cli_json(workdir):
    got = rcalab.batch(seed=7, trials=200, length=(20, 30), step_limit=5000)
    out = subprocess.run([CLI, "batch", "--seed", "7", "--trials", "200", "--length", "20..30",
                          "--step-limit", "5000", "--json"], check=True, capture_output=True,
                         text=True).stdout
    assert got == json.loads(out)
    rows = rcalab.sweep(masks="1x1..3", lengths="20..30", borders="circle", trials=20, seed=3)
    out = subprocess.run([CLI, "sweep", "--masks", "1x1..3", "--lengths", "20..30", "--borders",
                          "circle", "--trials", "20", "--seed", "3"], check=True,
                         capture_output=True, text=True).stdout
    assert rows == [json.loads(line) for line in out.splitlines() if line]
    assert len(rows) == 3



def test_help_shows_the_docstrings():
    assert "rcalab-cli" in rcalab.Workbench.__doc__
    assert "KeyboardInterrupt" in rcalab.batch.__doc__
