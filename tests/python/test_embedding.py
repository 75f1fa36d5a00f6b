"""rcalab inside a Python program: folders, threads, signals, typed calls, install."""
import inspect
import os
import re
import signal
import subprocess
import sys
import threading
from pathlib import Path

import numpy as np
import pytest
import rcalab

from conftest import CLI

ROOT = Path(__file__).resolve().parents[2]


def test_two_workbenches_keep_their_own_folders_and_state(tmp_path):
    folders = [tmp_path / "A", tmp_path / "B"]
    for f in folders:
        subprocess.run([CLI, "init-workdir", str(f)], check=True)
    cwd = os.getcwd()
    a, b = (rcalab.Workbench(f) for f in folders)
    a.answer("mine.dat")
    a.click("WriteRCA1")
    assert (folders[0] / "mine.dat").is_file() and not (folders[1] / "mine.dat").exists()
    assert os.getcwd() == cwd and a.workdir == str(folders[0])

    # The same steps in two threads at once give what one workbench alone gives.
    def play(w, out):
        for _ in range(20):
            w.click("Button58")
            w.advance(50)
        out.append((w.get("lineI").tolist(), w.get("stepTime"), w.get("randomState")))

    alone = []
    play(rcalab.Workbench(folders[0]), alone)
    together = []
    threads = [threading.Thread(target=play, args=(w, together)) for w in (a, b)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert together == alone * 2


def test_batch_leaves_the_current_directory_alone(tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    done = threading.Event()
    lost = []

    def writer():
        n = 0
        while not done.is_set():
            name = f"w{n}.txt"
            with open(name, "w") as f:
                f.write("x")
            if not Path(name).exists():
                lost.append(name)
            n += 1

    t = threading.Thread(target=writer)
    t.start()
    try:
        for seed in range(5):
            rcalab.batch(trials=300, seed=seed)
        rcalab.sweep(masks="1x1..4", trials=50, seed=1, threads=2)
    finally:
        done.set()
        t.join()
    assert lost == [] and os.getcwd() == str(tmp_path)
    assert not any((tmp_path / p).exists() for p in ("CA", "MA", "data"))


def running(workdir):
    """A run that never ends: circle, no mask box, so C and B swap for ever."""
    w = rcalab.Workbench(workdir)
    w.select("RadioGroup2", 1)
    w.type("Edit1", "5")
    for box in ("CheckBox3", "CheckBox14", "CheckBox15"):
        w.check(box, False)
    w.set("lineI", "CBAAA")
    w.set("lineII", "CABBB")
    w.click("Button6")
    return w


@pytest.mark.parametrize(
    "call, partial",
    [
        (lambda wd: rcalab.batch(trials=2_000_000_000, step_limit=100, seed=1),
         lambda r: r["complete"] is False and 0 < r["trialCount"] < 2_000_000_000),
        (lambda wd: rcalab.sweep(masks="0..31x0..31", trials=2_000_000, seed=1, threads=2),
         lambda rows: isinstance(rows, list) and len(rows) < 1024),
        (lambda wd: running(wd).advance(10**11), None),
        (lambda wd: running(wd).tick("Timer1", 10**9), None),
    ],
    ids=["batch", "sweep", "advance", "tick"],
)
def test_ctrl_c_stops_long_calls_with_keyboard_interrupt(workdir, call, partial):
    before = signal.getsignal(signal.SIGINT)
    timer = threading.Timer(0.5, signal.raise_signal, [signal.SIGINT])
    timer.start()
    with pytest.raises(KeyboardInterrupt) as caught:
        call(workdir)
    timer.join()
    if partial is not None:
        assert partial(caught.value.result)
    # Nothing changed the disposition: the next Ctrl-C is Python's again
    # (under the system default it would end this process).
    assert signal.getsignal(signal.SIGINT) is before is signal.default_int_handler
    with pytest.raises(KeyboardInterrupt):
        signal.raise_signal(signal.SIGINT)


EXIT_CALLS = {
    "batch": "rcalab.batch(trials=10**9, seed=1)",
    "verdicts": "rcalab.verdicts((20, 40), all=True)",
    "advance": "w = rcalab.Workbench(DIR); w.select('RadioGroup2', 1); w.click('Button6'); "
               "w.advance(10**12)",
    "dask": "import distributed; c = distributed.Client(processes=False, dashboard_address=':0'); "
            "import rcalab.distributed as rd; rd.sweep(c, masks='0..31x0..31', trials=10**6)",
}


@pytest.mark.parametrize("call", EXIT_CALLS, ids=list(EXIT_CALLS))
def test_the_interpreter_exits_while_a_thread_is_inside_a_call(workdir, call):
    if call == "dask":
        pytest.importorskip("distributed")
    code = (f"import rcalab, threading, time\nDIR = {str(workdir)!r}\n"
            f"threading.Thread(target=lambda: exec({EXIT_CALLS[call]!r}), daemon=True).start()\n"
            "time.sleep(1.5)\n")
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                         env={**os.environ, "PYTHONPATH": os.pathsep.join(sys.path)}, timeout=120)
    assert out.returncode == 0, out.stderr
    assert "terminate" not in out.stderr and "Fatal" not in out.stderr


def test_ctrl_c_leaves_a_blocked_worker_behind(workdir):
    """A read that never returns: Ctrl-C still ends the call, which says so,
    and the workbench refuses calls until the read is over."""
    fifo = workdir / "pipe.dat"
    os.mkfifo(fifo)
    w = rcalab.Workbench(workdir)
    w.answer(fifo.name)
    ctrl_c = threading.Timer(2.0, signal.raise_signal, [signal.SIGINT])
    ctrl_c.start()
    try:
        w.click("ReadRCA1")
    except KeyboardInterrupt as caught:
        check_left_behind(w, fifo, caught)
        return
    except rcalab.FileError as refused:
        ctrl_c.cancel()
        assert "it is a pipe (FIFO)" in str(refused)
        # The readers refuse a pipe at once, and no command waits on anything
        # else outside the program: nothing is left that holds a worker.
        pytest.skip("no command blocks any more: the readers refuse pipes")
    ctrl_c.cancel()
    pytest.fail("a pipe was read as a file")


def check_left_behind(w, fifo, caught):
    if not getattr(caught, "abandoned", False):
        pytest.fail("the call waited for its worker instead of leaving it")
    assert "left running" in " ".join(caught.__notes__)
    with pytest.raises(RuntimeError, match="still running"):
        w.get("lineLength")
    fd = os.open(fifo, os.O_WRONLY | os.O_NONBLOCK)
    os.write(fd, b"A" * 4096)
    os.close(fd)
    for _ in range(100):
        try:
            assert w.get("lineLength") > 0
            break
        except RuntimeError:
            threading.Event().wait(0.1)
    else:
        pytest.fail("the workbench stayed busy after its read ended")


def test_progress_reports_and_figures_come_typed():
    seen = []
    got = rcalab.batch(trials=400, seed=3, length=range(20, 30),
                       progress=lambda done, total: seen.append((done, total)))
    assert seen[-1] == (400, 400) and got["trialsPerBatch"] == 400
    assert got == rcalab.batch(trials=400, seed=3, length="20..30")
    assert isinstance(got["complete"], bool) and isinstance(got["steps"], int)
    rows = rcalab.sweep(masks=["L1,R1", ["L1", "R2"], (1, 4)], lengths=[(20, 30), range(30, 40)],
                        trials=20, seed=5, arrays=True)
    assert rows["index"].tolist() == list(range(6))
    assert rows["mask"].tolist()[:3] == ["L1,R1", "L1,R2", "L1,R3"]
    assert rows["trialCount"].dtype == np.int64
    sig = inspect.signature(rcalab.batch)
    assert sig.parameters["trials"].default == 1000
    assert sig.parameters["length"].default == range(20, 40)


@pytest.mark.parametrize(
    "kwargs, error, words",
    [
        ({"trials": True}, TypeError, "trials must be an int"),
        ({"trials": "5"}, TypeError, "trials must be an int"),
        ({"trials": 0}, ValueError, "trials: 0 is outside 1"),
        ({"step_limit": 2**70}, ValueError, "step_limit"),
        ({"length": (40, 20)}, ValueError, "length: 40..20 is an empty range"),
        ({"length": range(20, 40, 2)}, ValueError, "step 1"),
        ({"mask": "Q3"}, ValueError, "mask: 'Q3' is not"),
        ({"mask": 5}, TypeError, "mask must be"),
        ({"border": "square"}, ValueError, "border: 'square'"),
        ({"seed": -1}, ValueError, "seed: -1 is outside"),
        ({"progress": 5}, TypeError, "progress must be"),
        ({"help": True}, TypeError, "help"),
    ],
)
def test_batch_options_are_checked_in_python_words(kwargs, error, words):
    with pytest.raises(error, match=re.escape(words)) as caught:
        rcalab.batch(**kwargs)
    assert "--" not in str(caught.value)


@pytest.mark.parametrize(
    "kwargs, error, words",
    [
        ({"shard": (2, 2)}, ValueError, "shard I: 2 is outside 0..1"),
        ({"threads": 0}, ValueError, "threads: 0 is outside"),
        ({"masks": "5..2x0"}, ValueError, "'5..2' is an empty range"),
        ({"masks": "L1", "configs": "x"}, ValueError, "configs gives the whole list"),
        ({"lengths": 20}, TypeError, "lengths must be"),
        ({"masks": ["L1", "R1", "R2"]}, ValueError,
         "for one mask write masks=[['L1', 'R1', 'R2']] or masks='L1,R1,R2'; "
         "for one mask per box write masks='L1;R1;R2'"),
        ({"masks": []}, ValueError, "masks: an empty list runs nothing"),
        ({"lengths": []}, ValueError, "lengths: an empty list runs nothing"),
        ({"borders": ""}, ValueError, "borders: '' names nothing"),
        ({"configs": ""}, ValueError, "configs: '' names no file"),
        ({"threads": True}, TypeError, "threads must be an int, not bool"),
        ({"arrays": "yes"}, TypeError, "arrays must be True or False"),
    ],
)
def test_sweep_options_are_checked_in_python_words(kwargs, error, words):
    with pytest.raises(error, match=re.escape(words)):
        rcalab.sweep(trials=1, **kwargs)


def test_one_mask_of_boxes_reads_alike_in_batch_and_sweep():
    one = rcalab.sweep(masks=[["L1", "R1", "R2"]], trials=30, seed=2)
    assert [r["mask"] for r in one] == ["L1,R1,R2"]
    assert rcalab.batch(mask=["L1", "R1", "R2"], trials=30, seed=2)["mask"] == "L1,R1,R2"
    assert [r["mask"] for r in rcalab.sweep(masks="L1;R1", trials=5, seed=2)] == ["L1", "R1"]


def test_the_package_names_each_public_call_once():
    assert len(rcalab.__all__) == len(set(rcalab.__all__))
    assert {"verdicts", "FileError", "RcalabWarning"} <= set(rcalab.__all__)
    assert all(getattr(rcalab, name).__doc__ for name in rcalab.__all__ if name != "__version__")
    assert "verdicts()" in rcalab.__doc__


def test_version_and_module_entry_point():
    version = re.search(r"project\(rcalab VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text())
    assert rcalab.__version__ == version.group(1)
    out = subprocess.run([sys.executable, "-m", "rcalab", "--help"], capture_output=True,
                         text=True, env={**os.environ, "PYTHONPATH": os.pathsep.join(sys.path)})
    assert out.returncode == 0 and "rcalab-cli batch" in out.stdout


def test_pip_install_into_a_fresh_venv(tmp_path):
    venv = tmp_path / "v"
    subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", str(venv)], check=True)
    # The module's own CMake folder: pip then links what is built already.
    build = Path(CLI).parents[2]
    env = {**os.environ, "RCALAB_CMAKE_BUILD_DIR": str(build)}
    env.pop("PYTHONPATH", None)
    subprocess.run([venv / "bin" / "pip", "install", "-q", "--no-build-isolation", str(ROOT)],
                   check=True, env=env, cwd=tmp_path)
    probe = ("import rcalab, numpy; w = rcalab.Workbench(); "
             "print(rcalab.__version__, w.get('lineLength'), rcalab.__file__)")
    out = subprocess.run([venv / "bin" / "python", "-c", probe], check=True, capture_output=True,
                         text=True, env=env, cwd=tmp_path).stdout.split()
    assert out[0] == rcalab.__version__ and int(out[1]) > 0 and out[2].startswith(str(venv))
    cli = subprocess.run([venv / "bin" / "python", "-m", "rcalab", "batch", "--trials", "5",
                          "--seed", "1", "--json"], capture_output=True, text=True, env=env,
                         cwd=tmp_path)
    assert cli.returncode == 0 and '"trialsPerBatch":5' in cli.stdout
