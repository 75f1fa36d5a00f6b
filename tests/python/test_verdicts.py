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


def test_bad_options_raise_with_the_cli_message():
    with pytest.raises(ValueError, match="either --all or --trials"):
        rcalab.verdicts("6..8")
    with pytest.raises(ValueError, match="--border"):
        rcalab.verdicts("6..8", all=True, border="square")
