"""rcalab.distributed on a LocalCluster of two worker processes: the merged
shards equal the single-process call, also when a worker dies mid-run."""
import json
import os
import signal
import subprocess

import numpy as np
import pytest
import rcalab
import rcalab.distributed as rd

distributed = pytest.importorskip("distributed")

CLI = os.path.abspath(os.environ["RCALAB_CLI"])


@pytest.fixture(scope="module")
def client():
    cluster = distributed.LocalCluster(
        n_workers=2, threads_per_worker=1, processes=True, dashboard_address=":0"
    )
    with distributed.Client(cluster) as c:
        yield c
    cluster.close()


def same_verdicts(a, b):
    assert [sorted(r) for r in a] == [sorted(r) for r in b]
    for x, y in zip(a, b):
        for key in x:
            assert np.array_equal(x[key], y[key]) if key.startswith("case_") else x[key] == y[key]


SWEEP = dict(masks="0..3x0..3", lengths="20..30,30..40", trials=150, seed=7, threads=1,
             step_limit=20000)


@pytest.mark.parametrize(
    "call",
    [
        # fewer configurations than some shards hold: uneven shards
        lambda c: (rcalab.sweep(**SWEEP), rd.sweep(c, shards=5, **SWEEP)),
        # lengths with fewer 4096-line blocks than shards are absent from some
        lambda c: (
            rcalab.verdicts((6, 16), all=True, cases=True, mask="L1,R1,R2"),
            rd.verdicts(c, (6, 16), all=True, cases=True, mask="L1,R1,R2", shards=3),
        ),
        # trial cases keep trial order: one block of each length per shard
        lambda c: (
            rcalab.verdicts((8, 11), trials=9000, seed=4, bcount=3, border="frozen", cases=True),
            rd.verdicts(c, (8, 11), trials=9000, seed=4, bcount=3, border="frozen", cases=True),
        ),
        # a rare row 2 and timeouts: lists of where the model fails differ in length by
        # shard; the cases of chosen verdicts come back in line order
        lambda c: (
            rcalab.verdicts((13, 16), all=True, mask="L1,R2", border="frozen", step_limit=200,
                            cases=True, cases_of="ok,timeout"),
            rd.verdicts(c, (13, 16), all=True, mask="L1,R2", border="frozen", step_limit=200,
                        cases=True, cases_of=["ok", "timeout"], shards=3),
        ),
    ],
    ids=["sweep", "verdicts-all", "verdicts-trials", "verdicts-where"],
)
def test_shards_merge_into_the_single_process_result(client, call):
    one, spread = call(client)
    assert len(one) > 1
    if "index" in one[0]:
        assert spread == one
    else:
        same_verdicts(spread, one)


def test_a_worker_killed_mid_run_changes_nothing(client):
    options = dict(SWEEP, masks="0..7x0..7", trials=400)
    one = rcalab.sweep(**options)
    before = client.run(os.getpid)
    seen = []

    def kill_a_busy_worker(done, total):
        seen.append((done, total))
        if len(seen) > 1:
            return
        busy = [w for w, keys in client.processing().items() if keys and w in before]
        assert busy, "no shard left running to interrupt"
        os.kill(before[busy[0]], signal.SIGKILL)

    spread = rd.sweep(client, shards=8, progress=kill_a_busy_worker, **options)
    assert seen[0][0] < seen[0][1]
    assert spread == one
    client.wait_for_workers(2, timeout=60)
    after = client.run(os.getpid)
    assert set(after.values()) != set(before.values())


@pytest.mark.parametrize(
    "call, error",
    [
        (lambda c: rd.sweep(c, shard="0/2", **SWEEP), ValueError),
        (lambda c: rd.sweep(c, shards=0, **SWEEP), ValueError),
        (lambda c: rd.sweep(None, **SWEEP), TypeError),
        (lambda c: rd.verdicts(c, (8, 9), trials=9000, cases=True, shards=2), ValueError),
        # the engine's own message comes back from the worker
        (lambda c: rd.verdicts(c, (8, 9), all=True, mask="Q9", shards=2), ValueError),
        (lambda c: rd.sweep(c, shards=2, **dict(SWEEP, step_limit=-1)), ValueError),
        (lambda c: rd.sweep(c, shards=2, mask="L1", **SWEEP), TypeError),
    ],
)
def test_bad_arguments_raise_before_anything_is_submitted(client, call, error, monkeypatch):
    submitted = []
    monkeypatch.setattr(client, "submit", lambda *a, **k: submitted.append(a))
    with pytest.raises(error):
        call(client)
    assert submitted == []


@pytest.mark.parametrize("close", ["client", "cluster"])
def test_closing_mid_run_raises_the_real_error(close):
    from concurrent.futures import CancelledError

    cluster = distributed.LocalCluster(n_workers=1, threads_per_worker=2, processes=False,
                                       dashboard_address=":0")
    c = distributed.Client(cluster)
    shut = c.close if close == "client" else cluster.close
    try:
        with pytest.raises(CancelledError):
            rd.sweep(c, shards=8, progress=lambda done, total: shut(), **SWEEP)
    finally:
        c.close()
        cluster.close()


def cli(*args):
    return subprocess.run([CLI, *args], check=True, capture_output=True).stdout


def test_cli_shards_merge_into_the_unsharded_output_bytes():
    """The merges docs/batch.md gives for shards run as separate processes."""
    sweep = ["sweep", "--masks", "0..2x0..3", "--trials", "100", "--seed", "2", "--threads", "1"]
    parts = b"".join(cli(*sweep, "--shard", f"{i}/3") for i in (2, 0, 1))
    merged = subprocess.run(["sort", "-t:", "-k2,2n"], input=parts, check=True,
                            capture_output=True).stdout
    assert merged == cli(*sweep)

    verdicts = ["verdicts", "--length", "6..15", "--all", "--json", "--threads", "1"]
    rows = [json.loads(line) for i in range(3)
            for line in cli(*verdicts, "--shard", f"{i}/3").splitlines()]
    merged = "".join(json.dumps(r, separators=(",", ":")) + "\n" for r in rd.merge_verdicts(rows))
    assert merged.encode() == cli(*verdicts)
