"""The Workbench in Python's terms: notices, failed files, declared types, typed arguments."""
import pathlib
import warnings

import numpy as np
import pytest
import rcalab


def test_notices_warn_and_failed_files_raise(workdir, tmp_path):
    (workdir / "plain").write_text("a file, not a folder")
    w = rcalab.Workbench(workdir)
    w.answer(pathlib.Path("plain/n.dat"))
    with pytest.raises(rcalab.FileError) as caught:
        w.click("WriteRCA1")
    assert isinstance(caught.value, OSError)
    assert caught.value.filename == "plain/n.dat" and caught.value.strerror
    assert str(caught.value).startswith("cannot write plain/n.dat: ")
    w.answer("missing.dat")
    with pytest.raises(rcalab.FileError, match="cannot read missing.dat: the file is missing"):
        w.click("ReadRCA1")
    assert w.notices == [str(caught.value), "cannot read missing.dat: the file is missing"]

    # Start-up in an empty folder: the missing fixed files are notices, which
    # the warning filters control.
    empty = tmp_path / "empty"
    empty.mkdir()
    with pytest.warns(rcalab.RcalabWarning, match="cannot write CA"):
        quiet = rcalab.Workbench(empty)
    assert quiet.notices
    with warnings.catch_warnings():
        warnings.filterwarnings("error", category=rcalab.RcalabWarning)
        with pytest.raises(rcalab.RcalabWarning):
            rcalab.Workbench(empty)


@pytest.mark.parametrize(
    "name, kind",
    [
        ("lineI", np.uint8), ("lineI[2]", int), ("lineLength", int), ("columnWeights", np.float64),
        ("cellClockI", np.int64), ("markCI", np.int64), ("markCI[3]", np.int64),
        ("CheckBox33", bool), ("Timer1", bool), ("RadioGroup2", int), ("UpDown1", int),
        ("Label57", str),
    ],
)
def test_get_returns_the_declared_type(workdir, name, kind):
    got = rcalab.Workbench(workdir).get(name)
    if isinstance(got, np.ndarray):
        assert got.dtype == kind
    else:
        assert type(got) is kind


def test_edit_text_stays_text_and_set_takes_python_values(workdir):
    w = rcalab.Workbench(workdir)
    for text in ("CAB", "21", "1e3"):
        w.type("Edit2", text)
        assert w.get("Edit2") == text
    w.set("lineI", np.array([2, 2, 1, 0, 2], dtype=np.uint8))
    assert w.get("lineI")[:5].tolist() == [2, 2, 1, 0, 2]
    w.set("lineI", "ABBC")
    assert w.get("lineI")[:4].tolist() == [2, 1, 1, 0]
    w.set("stepsPerPress", 7)
    assert w.get("stepsPerPress") == 7
    w.set("cellClockI", [3, 4, 5])
    assert w.get("cellClockI")[:3].tolist() == [3, 4, 5]


@pytest.mark.parametrize(
    "call, error, words",
    [
        (lambda w: w.advance(-1), ValueError, "ms: -1 is negative"),
        (lambda w: w.tick("Timer1", -3), ValueError, "times: -3 is negative"),
        (lambda w: w.updown("UpDown1", True, -2), ValueError, "times: -2 is negative"),
        (lambda w: w.advance(1.5), TypeError, "ms must be an int, not float"),
        (lambda w: w.select("RadioGroup2", "1"), TypeError, "item must be an int, not str"),
        (lambda w: w.check("CheckBox33", 1), TypeError, "on must be True or False"),
        (lambda w: w.click(58), TypeError, "control must be a str, not int"),
        (lambda w: w.answer(3), TypeError, "path must be a str or a path"),
        (lambda w: w.set("lineI", 3.5), TypeError, "a line takes a str of cell letters"),
        (lambda w: w.set("lineI", [0, 5]), ValueError, "a cell is 0 (C), 1 (B) or 2 (A), not 5"),
        (lambda w: w.set("stepsPerPress", object()), TypeError, "value must be a str, a number"),
        (lambda w: w.window("TForm42"), rcalab.ScriptError, "unknown form TForm42"),
    ],
)
def test_bad_arguments_are_worded_in_python(workdir, call, error, words):
    with pytest.raises(error) as caught:
        call(rcalab.Workbench(workdir))
    assert words in str(caught.value)


def test_repr_and_pictures_for_jupyter(workdir):
    w = rcalab.Workbench(workdir)
    assert repr(w) == f"rcalab.Workbench({str(workdir)!r})"
    png = w._repr_png_()
    assert png.startswith(b"\x89PNG\r\n\x1a\n")
    w.click("ShowCA1")
    assert w.window("TForm6")._repr_png_().startswith(b"\x89PNG")
    assert w.window("TForm6").canvas().shape == w.canvas("TForm6").shape
