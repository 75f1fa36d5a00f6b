"""rcalab.verdicts against rcalab-cli verdicts: same counts, and the cases as arrays."""
import json
import os
import subprocess

import numpy as np
import pytest
import rcalab

CLI = os.path.abspath(os.environ["RCALAB_CLI"])


def test_counts_and_cases_equal_the_cli(tmp_path):
    cases_file = tmp_path / "cases.jsonl"
    out = subprocess.run(
        [CLI, "verdicts", "--length", "8..11", "--trials", "3000", "--seed", "4", "--bcount", "3",
         "--border", "frozen", "--json", "--cases", str(cases_file)],
        check=True, capture_output=True, text=True,
    )
    cli = [json.loads(line) for line in out.stdout.splitlines()]
    rows = rcalab.verdicts((8, 11), trials=3000, seed=4, bcount=3, border="frozen", cases=True)
    keys = ("length", "lines", "ok", "not", "timeout", "steps")
    assert [{k: r[k] for k in keys} for r in rows] == [{k: r[k] for k in keys} for r in cli]

    cases = [json.loads(line) for line in cases_file.read_text().splitlines()]
    for r in rows:
        mine = [c for c in cases if c["length"] == r["length"]]
        assert r["case_lines"].shape == (len(mine), r["length"])
        assert r["case_lines"].dtype == np.uint8
        assert ["".join("CBA"[v] for v in line) for line in r["case_lines"]] == [
            c["line"] for c in mine]
        assert r["case_verdicts"] == [c["verdict"] for c in mine]
        for array, key in (("case_end_steps", "endStep"), ("case_rows", "row"),
                           ("case_columns", "column")):
            assert r[array].tolist() == [-1 if c[key] is None else c[key] for c in mine]


def test_bad_options_raise_with_the_cli_message_in_python_words():
    with pytest.raises(ValueError, match="either all or trials"):
        rcalab.verdicts("6..8")
    with pytest.raises(ValueError, match="border: 'square'"):
        rcalab.verdicts("6..8", all=True, border="square")


def test_lengths_masks_and_shards_take_python_values():
    base = rcalab.verdicts("6..8", all=True, mask="L1,R1,R2", shard="1/2")
    for length in (range(6, 8), (6, 8), [6, 8]):
        for mask in (["L1", "R1", "R2"], ("L1", "R1", "R2")):
            assert rcalab.verdicts(length, all=True, mask=mask, shard=(1, 2)) == base
    seen = []
    rcalab.verdicts((6, 9), all=True, threads=1, progress=lambda d, t: seen.append((d, t)))
    assert seen[-1] == (2**6 + 2**7 + 2**8,) * 2


@pytest.mark.parametrize(
    "kwargs, error, words",
    [
        ({"all": True, "threads": True}, TypeError, "threads must be an int, not bool"),
        ({"all": "yes"}, TypeError, "all must be True or False"),
        ({"all": True, "length": range(6, 12, 2)}, ValueError, "step 1"),
        ({"all": True, "length": 6}, TypeError, "length must be a range"),
        ({"trials": 5, "shard": (3, 2)}, ValueError, "shard I: 3 is outside 0..1"),
        ({"trials": 5, "mask": "Q9"}, ValueError, "mask: 'Q9' is not"),
        (
            {"all": True, "mask": "L9,R10,R11", "border": "frozen"},
            ValueError,
            "frozen border looks at distances 1..6 only, so L9 would be ignored",
        ),
        ({"all": True, "seed": 3}, ValueError, "seed and bcount draw lines for trials"),
        ({"all": True, "help": 1}, TypeError, "help"),
    ],
)
def test_bad_verdicts_options_in_python_words(kwargs, error, words):
    kwargs.setdefault("length", (6, 8))
    with pytest.raises(error) as caught:
        rcalab.verdicts(kwargs.pop("length"), **kwargs)
    assert words in str(caught.value) and "--" not in str(caught.value)


def test_ctrl_c_keeps_the_lengths_judged():
    import signal
    import threading

    threading.Timer(1.0, signal.raise_signal, [signal.SIGINT]).start()
    with pytest.raises(KeyboardInterrupt) as caught:
        rcalab.verdicts((10, 40), all=True, threads=1)
    done = caught.value.result
    assert 0 < len(done) < 30
    assert [r["length"] for r in done] == list(range(10, 10 + len(done)))
    assert all(r["lines"] == 2 ** r["length"] for r in done)
