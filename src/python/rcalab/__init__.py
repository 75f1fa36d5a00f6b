"""rcalab: the reversible three-state cellular automaton workbench, from Python.

``Workbench(workdir)`` is the whole program after start-up, driven with the
verbs of rcalab-cli scripts, over a folder of its own; its notices arrive as
``RcalabWarning`` warnings and a failed file command raises ``FileError``.
``batch()``, ``sweep()`` and ``verdicts()`` run the headless batches and the
theory check of ``rcalab-cli batch`` / ``sweep`` / ``verdicts`` with typed,
checked keywords and return their figures as dicts. Every long call stops on
Ctrl-C with ``KeyboardInterrupt`` (its ``result`` holds what was finished).
``python -m rcalab`` is the command-line program; ``rcalab.distributed`` runs
sweeps and verdicts on a Dask cluster.
"""
from __future__ import annotations

import inspect
import os
from typing import Any, Iterable, Optional, Union

from . import _core
from . import _options as _opt
from ._core import FolderInUseError, ScriptError, __version__
from ._options import Lengths, Mask, Progress
from .workbench import FileError, RcalabWarning, Window, Workbench

ScriptError.__module__ = FolderInUseError.__module__ = "rcalab"

__all__ = [
    "Workbench", "Window", "ScriptError", "FolderInUseError", "FileError", "RcalabWarning",
    "batch", "sweep", "verdicts", "__version__",
]


def batch(
    *,
    trials: int = 1000,
    length: Lengths = range(20, 40),
    mask: Optional[Mask] = None,
    border: str = "circle",
    step_limit: int = 1000000,
    seed: Optional[int] = None,
    progress: Progress = False,
) -> dict[str, Any]:
    """One headless batch, the figures of ``rcalab-cli batch --json`` as a dict.

    trials: trials in the batch. length: the lengths drawn, MIN to MAX-1, as
    range(20, 40), (20, 40) or '20..40'. mask: the neighbourhood, 'L1,R1,R2',
    ['L1', 'R1', 'R2'], a (left, right) pair of 5-bit numbers or 'none'; None
    keeps the start-up mask. border: 'circle' or 'frozen'. step_limit: steps
    before a trial times out. seed: makes the batch reproducible (the same
    numbers as the CLI with --seed). progress: True shows a bar (tqdm when
    installed); a callable receives (done, total) about ten times a second.

    Bad types raise TypeError, bad values ValueError. Ctrl-C stops the batch
    between trials and raises KeyboardInterrupt; its ``result`` attribute holds
    the figures of the trials played (with ``complete: False``).
    """
    report, close = _opt.progress(progress, "trials")
    try:
        return _core.batch(
            trials=_opt.whole("trials", trials),
            length=_opt.length("length", length),
            mask=None if mask is None else _opt.mask("mask", mask),
            border=_opt.text("border", border),
            step_limit=_opt.whole("step_limit", step_limit),
            seed=_opt.optional_whole("seed", seed),
            progress=report,
        )
    finally:
        close()


def _sweep_args(
    masks: Union[str, Iterable[Mask], None] = None,
    lengths: Union[Lengths, Iterable[Lengths], None] = None,
    borders: Union[str, Iterable[str], None] = None,
    configs: Union[str, os.PathLike, None] = None,
    trials: int = 1000,
    step_limit: int = 1000000,
    seed: Optional[int] = None,
    threads: Optional[int] = None,
    shard: Union[tuple[int, int], str, None] = None,
) -> dict[str, Any]:
    if configs is not None and not _opt.path("configs", configs).strip():
        raise ValueError("configs: '' names no file; leave configs out for the lists")
    return dict(
        masks=_opt.masks(masks),
        lengths=_opt.items("lengths", lengths, _opt.length, ","),
        borders=_opt.items("borders", borders, _opt.text, ","),
        configs=None if configs is None else os.fspath(configs),
        trials=_opt.whole("trials", trials),
        step_limit=_opt.whole("step_limit", step_limit),
        seed=_opt.optional_whole("seed", seed),
        threads=_opt.optional_whole("threads", threads),
        shard=_opt.shard(shard) or (0, 1),
    )


def sweep(
    *,
    masks: Union[str, Iterable[Mask], None] = None,
    lengths: Union[Lengths, Iterable[Lengths], None] = None,
    borders: Union[str, Iterable[str], None] = None,
    configs: Union[str, os.PathLike, None] = None,
    trials: int = 1000,
    step_limit: int = 1000000,
    seed: Optional[int] = None,
    threads: Optional[int] = None,
    shard: Union[tuple[int, int], str, None] = None,
    progress: Progress = False,
    arrays: bool = False,
) -> Union[list[dict[str, Any]], dict[str, Any]]:
    """One headless batch per configuration, as ``rcalab-cli sweep``.

    The configurations are every border of ``borders`` with every range of
    ``lengths`` with every mask of ``masks``; or one per line of the
    ``configs`` file. ``masks`` is a list of masks, each as batch() takes it
    (['L1,R1', ['L1', 'R2'], (1, 4)]), or the CLI's text ('0..31x0..31',
    'L1,R1;L1,R2'); a list of bare boxes such as ['L1', 'R1'] could mean one
    mask or two and is refused. Lengths as range(20, 40), (20, 40) or
    '20..40' (a str may list several: '20..40,40..60'). An empty list or
    text is refused; leave an option out for its default. trials, step_limit
    and seed as for batch(); ``seed`` gives configuration i the seed the CLI
    gives it. threads: default one per core. shard: (I, N) runs every N-th
    configuration from I.

    Returns one dict per configuration, in list order, each with its
    ``index``; with ``arrays=True`` a dict of NumPy arrays, one per figure
    (averages of empty classes are NaN). Ctrl-C stops the sweep and raises
    KeyboardInterrupt; its ``result`` holds the rows finished (a row stopped
    midway says ``complete: False``).
    """
    args = _sweep_args(masks, lengths, borders, configs, trials, step_limit, seed, threads,
                       shard)
    arrays = _opt.flag("arrays", arrays)
    report, close = _opt.progress(progress, "configurations")
    try:
        rows = _core.sweep(**args, progress=report)
    finally:
        close()
    return _columns(rows) if arrays else rows


def _verdicts_args(
    length: Lengths,
    all: bool = False,
    trials: Optional[int] = None,
    seed: Optional[int] = None,
    bcount: Optional[int] = None,
    mask: Optional[Mask] = None,
    border: Optional[str] = None,
    step_limit: Optional[int] = None,
    threads: Optional[int] = None,
    shard: Union[tuple[int, int], str, None] = None,
    cases: bool = False,
    cases_of: Union[str, Iterable[str], None] = None,
) -> dict[str, Any]:
    return dict(
        length=_opt.length("length", length),
        all=_opt.flag("all", all),
        trials=_opt.optional_whole("trials", trials),
        seed=_opt.optional_whole("seed", seed),
        bcount=_opt.optional_whole("bcount", bcount),
        mask=None if mask is None else _opt.mask("mask", mask),
        border=_opt.optional_text("border", border),
        step_limit=_opt.optional_whole("step_limit", step_limit),
        threads=_opt.optional_whole("threads", threads),
        shard=_opt.shard(shard),
        cases=_opt.flag("cases", cases),
        cases_of=_opt.words("cases_of", cases_of),
    )


def verdicts(
    length: Lengths,
    *,
    all: bool = False,
    trials: Optional[int] = None,
    seed: Optional[int] = None,
    bcount: Optional[int] = None,
    mask: Optional[Mask] = None,
    border: Optional[str] = None,
    step_limit: Optional[int] = None,
    threads: Optional[int] = None,
    shard: Union[tuple[int, int], str, None] = None,
    cases: bool = False,
    cases_of: Union[str, Iterable[str], None] = None,
    progress: Progress = False,
) -> list[dict[str, Any]]:
    """The theory check's verdicts as ``rcalab-cli verdicts`` counts them.

    length: lengths MIN to MAX-1 as range(6, 12), (6, 12), [6, 12] or '6..12'.
    Either ``all=True`` (every line of A and B cells) or ``trials=N`` lines
    drawn with ``bcount`` B draws from ``seed``. mask, border and step_limit
    as for batch(); threads: default one per core; shard: (I, N) or 'I/N'.

    One dict per length, in length order: length, lines, ok, not, timeout,
    steps, and where the model fails as lists of counts: notByRow (NOT lines
    by the first row where model and marks differ), okByB (OK lines by their
    B cells, 0 to length) and endStepsLog2 (ended trials by end step, item k
    counting 2**k to 2**(k+1) - 1, item 0 also 0). With ``cases=True`` also
    the NOT and timeout lines (``cases_of``: the verdicts named, some of
    'ok', 'not', 'timeout' as 'ok,not' or a list): case_lines (uint8 array,
    one row per line, cells 1 = B and 2 = A), case_verdicts, and
    case_end_steps, case_rows, case_columns (int32, -1 where there is none). progress: True shows a bar of lines judged; a callable receives
    (done, total). Bad types raise TypeError, bad values ValueError. Ctrl-C
    stops the check and raises KeyboardInterrupt; its ``result`` holds the
    lengths judged to their end.
    """
    args = _verdicts_args(length, all, trials, seed, bcount, mask, border, step_limit, threads,
                          shard, cases, cases_of)
    report, close = _opt.progress(progress, "lines")
    try:
        return _core.verdicts(**args, progress=report)
    finally:
        close()


def _check_sweep(**options: Any) -> None:
    """Raises what ``sweep(**options)`` would raise for its options, running nothing."""
    options.pop("progress", None)
    _opt.flag("arrays", options.pop("arrays", False))
    _core.sweep(**_bound("sweep", _sweep_args, **options), progress=None, check_only=True)


def _check_verdicts(length: Any, **options: Any) -> None:
    """Raises what ``verdicts(length, **options)`` would raise for its options."""
    options.pop("progress", None)
    args = _bound("verdicts", _verdicts_args, length, **options)
    _core.verdicts(**args, progress=None, check_only=True)


def _bound(name: str, convert: Any, *args: Any, **options: Any) -> dict[str, Any]:
    """convert(*args, **options), a wrong keyword named as the public call's."""
    try:
        inspect.signature(convert).bind(*args, **options)
    except TypeError as e:
        raise TypeError(f"{name}(): {e}") from None
    return convert(*args, **options)


def _columns(rows: list[dict[str, Any]]) -> dict[str, Any]:
    """Rows of figures as one NumPy array per figure (None as NaN)."""
    import numpy as np

    out: dict[str, Any] = {}
    for key in rows[0] if rows else []:
        values = [row[key] for row in rows]
        if any(v is None for v in values):
            out[key] = np.array([np.nan if v is None else v for v in values], dtype=float)
        else:
            out[key] = np.array(values)
    return out
