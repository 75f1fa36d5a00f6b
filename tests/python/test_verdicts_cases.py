"""The cases of rcalab-cli verdicts at scale: the verdicts --cases-of picks,
the .npy records against the JSON lines of the same run, a stopped run's
.npy file, and the counts of where the model fails against the cases."""
import collections
import json
import os
import signal
import subprocess

import numpy as np
import pytest
import rcalab

CLI = os.path.abspath(os.environ["RCALAB_CLI"])
# Short trials, so the step limit leaves timeouts beside OK and NOT lines.
RUN = ["--length", "8..12", "--all", "--mask", "L1,R2", "--border", "frozen",
       "--step-limit", "40", "--json", "--threads", "2"]
EVERY = "ok,not,timeout"
NAMES = {"ok": "OK!!", "not": "NOT", "timeout": "timeout"}


def verdicts(*args):
    out = subprocess.run([CLI, "verdicts", *args], check=True, capture_output=True, text=True)
    return [json.loads(line) for line in out.stdout.splitlines()]


def json_lines(path):
    return [json.loads(line) for line in path.read_text().splitlines()]


def distances(bits):
    return [d for d in range(1, 12) if bits >> (d - 1) & 1]


def as_json(record):
    """A .npy record written as the JSON line of the same case."""
    length = int(record["length"])
    cells = int(record["cells"][0]) | int(record["cells"][1]) << 64
    none = lambda v: None if v == -1 else int(v)  # noqa: E731
    return {
        "length": length,
        "line": "".join("B" if cells >> i & 1 else "A" for i in range(length)),
        "verdict": ["OK!!", "NOT", "timeout"][record["verdict"]],
        "mask": {"left": distances(int(record["leftMask"])),
                 "right": distances(int(record["rightMask"]))},
        "border": ["frozen", "circle"][record["border"]],
        "stepLimit": int(record["stepLimit"]),
        "endStep": none(record["endStep"]),
        "row": none(record["row"]),
        "column": none(record["column"]),
    }


@pytest.fixture(scope="module")
def every_case(tmp_path_factory):
    """The counts and every case of RUN, as JSON lines and as .npy records."""
    folder = tmp_path_factory.mktemp("cases")
    counts = verdicts(*RUN, "--cases", str(folder / "all.jsonl"), "--cases-of", EVERY)
    assert verdicts(*RUN, "--cases", str(folder / "all.npy"), "--cases-of", EVERY) == counts
    return counts, json_lines(folder / "all.jsonl"), folder / "all.npy"


def test_npy_records_equal_the_json_lines_and_map_from_disk(every_case):
    counts, cases, npy = every_case
    loaded = np.load(npy)
    mapped = np.load(npy, mmap_mode="r")
    assert isinstance(mapped, np.memmap) and np.array_equal(mapped, loaded)
    assert loaded.shape == (sum(r["lines"] for r in counts),) and loaded.itemsize == 35
    assert [as_json(r) for r in loaded] == cases
    found = collections.Counter(c["verdict"] for c in cases)
    assert all(found[v] > 0 for v in NAMES.values()), found


@pytest.mark.parametrize("cases_of", [None, "ok", "not,timeout", ["timeout", "ok"]])
def test_cases_of_picks_the_verdicts_in_the_cli_and_python(every_case, cases_of, tmp_path):
    counts, cases, _ = every_case
    words = ["not", "timeout"] if cases_of is None else (
        cases_of.split(",") if isinstance(cases_of, str) else cases_of)
    wanted = [c for c in cases if c["verdict"] in {NAMES[w] for w in words}]
    file = tmp_path / "picked.jsonl"
    more = [] if cases_of is None else ["--cases-of", ",".join(words)]
    assert verdicts(*RUN, "--cases", str(file), *more) == counts
    assert json_lines(file) == wanted
    rows = rcalab.verdicts((8, 12), all=True, mask="L1,R2", border="frozen", step_limit=40,
                           cases=True, cases_of=cases_of)
    assert [v for r in rows for v in r["case_verdicts"]] == [c["verdict"] for c in wanted]
    assert [r["case_lines"].shape[0] for r in rows] == [
        sum(c["length"] == r["length"] for c in wanted) for r in rows]


def test_where_the_model_fails_counts_the_cases(every_case):
    counts, cases, _ = every_case
    rows = rcalab.verdicts((8, 12), all=True, mask="L1,R2", border="frozen", step_limit=40)
    keys = ("notByRow", "okByB", "endStepsLog2")
    assert [{k: r[k] for k in keys} for r in rows] == [{k: r[k] for k in keys} for r in counts]
    for row in counts:
        L = row["length"]
        mine = [c for c in cases if c["length"] == L]

        def histogram(values, size=0):
            h = collections.Counter(values)
            return [h[k] for k in range(max([size - 1, *h]) + 1)] if h or size else []

        assert row["notByRow"] == histogram(c["row"] for c in mine if c["verdict"] == "NOT")
        assert row["okByB"] == histogram(
            (c["line"].count("B") for c in mine if c["verdict"] == "OK!!"), L + 1)
        # Bucket k: end steps 2^k .. 2^(k+1) - 1; a timeout has no end step.
        assert row["endStepsLog2"] == histogram(
            max(0, c["endStep"].bit_length() - 1) for c in mine if c["endStep"] is not None)
        assert sum(row["notByRow"]) == row["not"] and sum(row["okByB"]) == row["ok"]
        assert sum(row["endStepsLog2"]) + row["timeout"] == row["lines"]


@pytest.mark.parametrize(
    "kwargs, error, words",
    [
        ({"cases": True, "cases_of": "maybe"}, ValueError, "cases_of: 'maybe' is not one of"),
        ({"cases": True, "cases_of": "ok,ok"}, ValueError, "'ok' is given twice"),
        ({"cases": True, "cases_of": []}, ValueError, "names nothing"),
        ({"cases": True, "cases_of": 3}, TypeError, "cases_of must be a str"),
        ({"cases_of": "ok"}, ValueError, "give cases=True"),
    ],
)
def test_bad_cases_of_in_python_words(kwargs, error, words):
    with pytest.raises(error, match=words):
        rcalab.verdicts((6, 8), all=True, **kwargs)


def test_a_stopped_runs_npy_holds_exactly_the_cases_counted(tmp_path):
    npy = tmp_path / "ok.npy"
    proc = subprocess.Popen(
        [CLI, "verdicts", "--length", "18..30", "--all", "--json", "--threads", "1",
         "--cases", str(npy), "--cases-of", "ok"],
        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    first = proc.stderr.readline()  # a progress line: the run is under way
    assert first.startswith("rcalab-cli: "), first
    proc.send_signal(signal.SIGTERM)
    out, err = proc.communicate(timeout=120)
    assert proc.returncode == 128 + signal.SIGTERM, first + err
    rows = [json.loads(line) for line in out.splitlines()]
    assert rows
    for loaded in (np.load(npy), np.load(npy, mmap_mode="r")):
        assert (loaded["verdict"] == 0).all()
        by_length = collections.Counter(loaded["length"].tolist())
        assert by_length == {r["length"]: r["ok"] for r in rows if r["ok"]}


def test_a_full_disk_leaves_a_loadable_npy_of_the_records_written(tmp_path):
    """A 256 kB tmpfs: the run stops at the refused write, says so, and the
    file's count is the whole records on the disk."""
    import shutil

    if not shutil.which("unshare"):
        pytest.skip("no unshare(1) to mount a private tmpfs")
    tiny = tmp_path / "tiny"
    tiny.mkdir()
    script = f"""
        mount -t tmpfs -o size=256k tmpfs {tiny} || exit 99
        {CLI} verdicts --length 14..16 --all --threads 1 --cases {tiny}/c.npy > /dev/null
        echo "verdicts $?" >&2
        cp {tiny}/c.npy {tmp_path}/c.npy
    """
    run = subprocess.run(["unshare", "-m", "sh", "-c", script], capture_output=True, text=True)
    if run.returncode == 99 or "unshare failed" in run.stderr:
        pytest.skip(f"cannot mount a tmpfs here: {run.stderr.strip()}")
    assert "verdicts 1" in run.stderr.splitlines(), run.stderr
    assert f"rcalab-cli verdicts: writing {tiny}/c.npy failed: No space left on device" in (
        run.stderr)
    cases = np.load(tmp_path / "c.npy")
    assert 0 < len(cases) and (tmp_path / "c.npy").stat().st_size == 320 + 35 * len(cases)
    assert (cases["verdict"] == 1).all() and (cases["length"] == 14).all()
