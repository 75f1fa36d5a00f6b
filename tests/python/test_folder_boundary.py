"""A working folder from someone else, opened as a user would: the CLI and
the Workbench write nothing through a planted link and wait on no pipe."""
import os
import subprocess

import pytest
import rcalab

from conftest import CLI


@pytest.fixture
def wd(tmp_path):
    folder = tmp_path / "wd"
    subprocess.run([CLI, "init-workdir", str(folder)], check=True, capture_output=True)
    return folder


def plant(wd, name, target):
    (wd / name).unlink(missing_ok=True)
    os.symlink(target, wd / name)


def cli(wd, script):
    return subprocess.run([CLI, "--workdir", str(wd), "-e", script], capture_output=True,
                          text=True, timeout=60)


# Exit 3: the script ran to its end but a file command failed; a notice at
# start-up does not count.
@pytest.mark.parametrize("name, script, code", [
    ("CA/ca5.dat", "print lineLength", 0),
    ("CA/ca2.dat", "click Wsq21", 3),
    ("examp/Exr.dat", "click Writerandom1", 3),
    ("MA/mafin.dat", "click Writemask1", 3),
])
def test_a_planted_link_carries_no_write_out(wd, name, script, code):
    victim = wd.parent / "victim"
    victim.write_bytes(b"precious")
    plant(wd, name, os.path.relpath(victim, (wd / name).parent))
    out = cli(wd, script)
    assert out.returncode == code, out.stderr
    assert victim.read_bytes() == b"precious"
    assert f"{name} is a link to {victim}, outside the working folder" in out.stderr

    plant(wd, name, wd.parent / "fresh")
    assert cli(wd, script).returncode == code
    assert not (wd.parent / "fresh").exists()


def test_the_workbench_starts_beside_a_planted_link(wd):
    victim = wd.parent / "victim"
    victim.write_bytes(b"precious")
    plant(wd, "CA/ca5.dat", victim)
    with pytest.warns(rcalab.RcalabWarning, match="outside the working folder"):
        w = rcalab.Workbench(wd)
    assert victim.read_bytes() == b"precious"
    assert w.get("stepTime") == 0


@pytest.mark.parametrize("name, script", [
    ("CA/ca.dat", "click ReadCA1"),
    ("MA/mafin.dat", "click Readmask1"),
    ("examp/Exr.dat", "click Readrandom1"),
    ("answered.dat", "answer answered.dat\nclick ReadRCA1"),
])
def test_a_pipe_at_a_read_path_is_refused_at_once(wd, name, script):
    if (wd / name).exists():
        (wd / name).unlink(missing_ok=True)
    os.mkfifo(wd / name)
    out = cli(wd, script)  # the timeout fails a read that waits
    assert out.returncode == 3, out.stderr
    assert f"cannot read {name}: it is a pipe (FIFO), not a file" in out.stderr
