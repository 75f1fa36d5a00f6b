"""The working folder as a boundary: confined writes, and one program at a time."""
import os
import subprocess
import sys

import pytest
import rcalab

from conftest import CLI


def test_outside_names_are_allowed_unless_confined(workdir, tmp_path_factory):
    outside = tmp_path_factory.mktemp("outside")
    (workdir / "IMPROVE" / "imp000.dat").symlink_to(outside / "newfile")
    free, confined = rcalab.Workbench(workdir), rcalab.Workbench(workdir, confine=True)
    assert repr(confined).endswith(", confine=True)") and not free.confined
    for answer, made, menu in [
        (outside / "abs.dat", outside / "abs.dat", "WriteRCA1"),
        ("../" + outside.name + "/p.png", outside / "p.png", "SavePicture1"),
        ("IMPROVE/imp000.dat", outside / "newfile", "WriteRCA1"),
    ]:
        confined.answer(answer)
        with pytest.raises(rcalab.ScriptError, match="outside the working folder.*confine=False"):
            confined.click(menu)
        assert not made.exists()
        free.answer(answer)
        free.click(menu)
        assert made.exists()
    # Reading is not confined; names inside are written as before.
    confined.answer(outside / "abs.dat")
    confined.click("ReadRCA1")
    confined.answer("examp/mine.dat")
    confined.click("WriteRCA1")
    assert (workdir / "examp" / "mine.dat").stat().st_size == 2250
    with pytest.raises(TypeError, match="confine must be True or False"):
        rcalab.Workbench(workdir, confine=1)


HOLDER = ("import rcalab, sys\nw = rcalab.Workbench(sys.argv[1])\nprint('ready', flush=True)\n"
          "sys.stdin.readline()\n")


def test_a_second_program_on_a_folder_in_use_is_turned_away(workdir):
    env = {**os.environ, "PYTHONPATH": os.pathsep.join(sys.path)}
    holder = subprocess.Popen([sys.executable, "-c", HOLDER, str(workdir)], env=env,
                              stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    try:
        assert holder.stdout.readline() == "ready\n"
        with pytest.raises(rcalab.FolderInUseError) as caught:
            rcalab.Workbench(workdir)
        assert caught.value.pid == holder.pid
        assert caught.value.holder.startswith("Python (rcalab.Workbench) on ")
        assert "in use by Python (rcalab.Workbench) on " in str(caught.value)
        cli = subprocess.run([CLI, "--workdir", str(workdir), "-e", "print lineLength"],
                             capture_output=True, text=True)
        assert cli.returncode == 4 and cli.stdout == ""
        assert f"(process {holder.pid})" in cli.stderr
    finally:
        holder.communicate("\n", timeout=60)
    # The holder's end lets go of the folder.
    assert rcalab.Workbench(workdir).get("lineLength") > 0


def test_workbenches_of_one_process_share_the_folder_until_the_last_goes(workdir):
    def cli():
        return subprocess.run([CLI, "--workdir", str(workdir), "-e", "print lineLength"],
                              capture_output=True, text=True).returncode

    first, second = rcalab.Workbench(workdir), rcalab.Workbench(str(workdir) + "/.")
    del first
    assert cli() == 4
    second.click("Button2")
    del second
    assert cli() == 0
