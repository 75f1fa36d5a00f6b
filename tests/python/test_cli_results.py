"""The real rcalab-cli under real failures: a device that refuses writes, a
closed standard output, a full tmpfs, SIGTERM and SIGHUP to a running child.
Each asserts the exit code, the one-line cause and that every line written is
whole."""
import json
import os
import shutil
import signal
import subprocess
import sys
import time

import pytest
import rcalab.distributed as rd

CLI = os.path.abspath(os.environ["RCALAB_CLI"])
PY_CLI = [sys.executable, "-m", "rcalab"]  # the package's entry point: the same codes
# The runs below change folder, so the module's path must not be relative.
os.environ["PYTHONPATH"] = os.pathsep.join(
    os.path.abspath(p) for p in os.environ.get("PYTHONPATH", "").split(os.pathsep) if p)

RUNS = {
    "batch": ["batch", "--trials", "5", "--seed", "1", "--json"],
    "sweep": ["sweep", "--masks", "1x0..3", "--trials", "5", "--seed", "1", "--threads", "1"],
    "verdicts": ["verdicts", "--length", "6..9", "--all", "--json"],
    "script": ["--workdir", "{tmp}", "-e", "print lineI"],
    "init-workdir": ["init-workdir", "{tmp}/w"],
}


def _args(name, tmp_path):
    return [a.replace("{tmp}", str(tmp_path)) for a in RUNS[name]]


@pytest.mark.parametrize("program", [[CLI], PY_CLI], ids=["rcalab-cli", "python -m rcalab"])
@pytest.mark.parametrize("name", sorted(RUNS))
def test_output_nobody_can_write_fails_with_the_cause(program, name, tmp_path):
    with open("/dev/full", "w") as full:
        run = subprocess.run(program + _args(name, tmp_path), stdout=full,
                             stderr=subprocess.PIPE, text=True, cwd=tmp_path)
    assert run.returncode == 1, run.stderr
    assert run.stderr.splitlines()[-1] == (
        "rcalab-cli: writing standard output failed: No space left on device")
    closed = subprocess.run(["sh", "-c", 'exec "$@" >&-', "sh", *program, *_args(name, tmp_path)],
                            stderr=subprocess.PIPE, text=True, cwd=tmp_path)
    assert closed.returncode == 1, closed.stderr
    assert closed.stderr.splitlines()[-1] == (
        "rcalab-cli: writing standard output failed: Bad file descriptor")


def _whole_json_lines(text):
    assert text == "" or text.endswith("\n"), "a cut last line"
    return [json.loads(line) for line in text.splitlines()]


def test_a_full_disk_keeps_whole_lines_and_says_so(tmp_path):
    """A 64 kB tmpfs, nearly filled: the sweep stops at the first refused
    write, and what reached the disk is whole JSON lines."""
    if not shutil.which("unshare"):
        pytest.skip("no unshare(1) to mount a private tmpfs")
    tiny = tmp_path / "tiny"
    tiny.mkdir()
    script = f"""
        mount -t tmpfs -o size=64k tmpfs {tiny} || exit 99
        head -c 50000 /dev/zero > {tiny}/filler
        {CLI} sweep --masks 1x0..31 --trials 50 --seed 1 --threads 1 > {tiny}/sweep.jsonl
        echo "sweep $?" >&2
        cp {tiny}/sweep.jsonl {tmp_path}/sweep.jsonl
        {CLI} sweep --masks 1x0..3 --trials 50 --seed 1 --output {tiny}/out.jsonl
        echo "output $?" >&2
        ls {tiny} > {tmp_path}/listing
    """
    run = subprocess.run(["unshare", "-m", "sh", "-c", script], capture_output=True, text=True)
    if run.returncode == 99 or "unshare failed" in run.stderr:
        pytest.skip(f"cannot mount a tmpfs here: {run.stderr.strip()}")
    err = run.stderr.splitlines()
    assert "sweep 1" in err and "output 1" in err, run.stderr
    assert err.count("rcalab-cli: writing standard output failed: No space left on device") == 1
    assert any(line.startswith(f"rcalab-cli sweep: writing {tiny}/out.jsonl failed: ")
               for line in err), run.stderr
    rows = _whole_json_lines((tmp_path / "sweep.jsonl").read_text())
    assert 0 < len(rows) < 32
    assert [r["index"] for r in rows] == list(range(len(rows)))
    # --output is replaced whole or not at all: no file, no temporary.
    assert (tmp_path / "listing").read_text().split() == ["filler", "sweep.jsonl"]


def _start(args, **kw):
    return subprocess.Popen(args, stderr=subprocess.PIPE, text=True, **kw)


def _stop_when_busy(proc, sig, busy="rcalab-cli: "):
    """Waits for the first progress line (the run is under way), then signals."""
    line = proc.stderr.readline()
    assert line.startswith(busy), line
    proc.send_signal(sig)
    err = line + proc.stderr.read()
    return proc.wait(timeout=120), err


@pytest.mark.parametrize("program", [[CLI], PY_CLI], ids=["rcalab-cli", "python -m rcalab"])
def test_sigterm_keeps_the_batch_counts_so_far(program, tmp_path):
    out = tmp_path / "b.json"
    with open(out, "w") as f:
        proc = _start(program + ["batch", "--trials", "100000000", "--seed", "1", "--json"],
                      stdout=f)
        code, err = _stop_when_busy(proc, signal.SIGTERM)
    assert code == 128 + signal.SIGTERM, err
    assert "interrupted after" in err
    [row] = _whole_json_lines(out.read_text())
    assert row["complete"] is False and 0 < row["trialCount"] < 100000000


def test_sighup_writes_the_finished_sweep_lines_to_output(tmp_path):
    out = tmp_path / "s.jsonl"
    out.write_text("an old result\n")
    proc = _start([CLI, "sweep", "--masks", "1x0..31", "--trials", "100000", "--seed", "1",
                   "--threads", "1", "--output", str(out)])
    code, err = _stop_when_busy(proc, signal.SIGHUP)
    assert code == 128 + signal.SIGHUP, err
    rows = _whole_json_lines(out.read_text())
    # A signal between two configurations leaves no partial one to write.
    assert rows and (rows[-1]["complete"] is False or len(rows) < 32)
    assert all(r["complete"] for r in rows[:-1])
    assert [r["index"] for r in rows] == list(range(len(rows)))


def test_an_interrupted_verdicts_shard_is_refused_by_the_merge(tmp_path):
    proc = _start([CLI, "verdicts", "--length", "20..23", "--all", "--json", "--threads", "1",
                   "--shard", "0/2"], stdout=subprocess.PIPE)
    code, err = _stop_when_busy(proc, signal.SIGTERM)
    assert code == 128 + signal.SIGTERM, err
    rows = _whole_json_lines(proc.stdout.read())
    assert rows[-1]["complete"] is False and rows[-1]["shard"] == "0/2"
    with pytest.raises(ValueError, match=f"length {rows[-1]['length']} of shard 0/2 is partial"):
        rd.merge_verdicts(rows)
    merged = rd.merge_verdicts(rows, partial=True)
    assert merged[-1]["complete"] is False
    assert all(r["complete"] for r in merged[:-1])


def test_sigterm_stops_a_script_between_ticks(workdir):
    proc = subprocess.Popen(
        [CLI, "--workdir", str(workdir), "-e",
         "print lineLength; click Timer101; advance 1000000000; print stepTime"],
        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    assert proc.stdout.readline() == "11\n"
    time.sleep(0.5)  # well into the advance
    proc.send_signal(signal.SIGTERM)
    out, err = proc.communicate(timeout=60)
    assert proc.returncode == 128 + signal.SIGTERM, err
    assert out == "" and "line 3: interrupted" in err
