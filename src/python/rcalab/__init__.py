"""rcalab: the reversible three-state cellular automaton workbench, from Python.

``Workbench(workdir)`` is the whole program after start-up, driven with the
verbs of rcalab-cli scripts, over a folder of its own. ``batch()`` and
``sweep()`` run the headless batches of ``rcalab-cli batch`` / ``sweep`` with
typed, checked keywords and return their figures as dicts. Every long call
stops on Ctrl-C with ``KeyboardInterrupt``. ``python -m rcalab`` is the
command-line program.
"""
from __future__ import annotations

import numbers
import os
import sys
from typing import Any, Callable, Iterable, Optional, Sequence, Union

from . import _core
from ._core import ScriptError, Workbench, __version__

__all__ = ["Workbench", "ScriptError", "batch", "sweep", "__version__"]

# Names that other parts of _core add are rcalab's too.
for _name in dir(_core):
    if not _name.startswith("_") and _name not in globals():
        globals()[_name] = getattr(_core, _name)
        __all__.append(_name)

Mask = Union[str, Sequence[str], tuple[int, int]]
Lengths = Union[range, tuple[int, int], str]
Progress = Union[bool, Callable[[int, int], Any], None]

_INT64 = 2**63


def _whole(name: str, value: Any) -> int:
    if isinstance(value, bool) or not isinstance(value, numbers.Integral):
        raise TypeError(f"{name} must be an int, not {type(value).__name__}")
    value = int(value)
    if not -_INT64 <= value < _INT64:
        raise ValueError(f"{name}: {value} is far out of range")
    return value


def _optional_whole(name: str, value: Any) -> Optional[int]:
    return None if value is None else _whole(name, value)


def _text(name: str, value: Any) -> str:
    if not isinstance(value, str):
        raise TypeError(f"{name} must be a str, not {type(value).__name__}")
    return value


def _mask(name: str, value: Any) -> str:
    """'L1,R1,R2', ['L1', 'R1', 'R2'] or (LEFT, RIGHT) 5-bit numbers."""
    if isinstance(value, str):
        return value
    if isinstance(value, tuple) and len(value) == 2 and all(
        isinstance(v, numbers.Integral) and not isinstance(v, bool) for v in value
    ):
        return f"{int(value[0])}:{int(value[1])}"
    if isinstance(value, (list, tuple)) and value and all(isinstance(v, str) for v in value):
        return ",".join(value)
    raise TypeError(
        f"{name} must be a str such as 'L1,R1,R2', a list such as ['L1', 'R1'] or a "
        f"(left, right) pair of 5-bit numbers, not {value!r}"
    )


def _length(name: str, value: Any) -> tuple[int, int]:
    """range(20, 40), (20, 40) or '20..40': lengths 20 to 39."""
    if isinstance(value, range):
        if value.step != 1:
            raise ValueError(f"{name}: a range of lengths has step 1, not {value.step}")
        return value.start, value.stop
    if isinstance(value, str):
        lo, dots, hi = value.partition("..")
        try:
            return int(lo), int(hi)
        except ValueError:
            raise ValueError(f"{name}: '{value}' is not MIN..MAX (e.g. '20..40')") from None
    if isinstance(value, (tuple, list)) and len(value) == 2:
        return _whole(f"{name} MIN", value[0]), _whole(f"{name} MAX", value[1])
    raise TypeError(f"{name} must be a range, a (MIN, MAX) pair or 'MIN..MAX', not {value!r}")


def _items(name: str, value: Any, one: Callable[[str, Any], Any], sep: str) -> list:
    """A list option: None, one item, a str of items joined by `sep`, or a list."""
    if value is None:
        return []
    if isinstance(value, str):
        return [one(name, part) for part in value.split(sep)]
    if isinstance(value, range) or (
        isinstance(value, tuple) and len(value) == 2 and
        all(isinstance(v, numbers.Integral) for v in value)
    ):
        return [one(name, value)]
    if isinstance(value, Iterable):
        return [one(name, item) for item in value]
    raise TypeError(f"{name} must be a str or a list, not {type(value).__name__}")


def _shard(value: Any) -> tuple[int, int]:
    if value is None:
        return 0, 1
    if isinstance(value, str):
        index, slash, count = value.partition("/")
        try:
            return int(index), int(count)
        except ValueError:
            raise ValueError(f"shard: '{value}' is not 'I/N'") from None
    if isinstance(value, (tuple, list)) and len(value) == 2:
        return _whole("shard I", value[0]), _whole("shard N", value[1])
    raise TypeError(f"shard must be an (I, N) pair or 'I/N', not {value!r}")


class _TextBar:
    """A progress line on standard error, for when tqdm is not installed."""

    def __init__(self, unit: str) -> None:
        self.unit = unit

    def __call__(self, done: int, total: int) -> None:
        print(f"\r{done} of {total} {self.unit}", end="", file=sys.stderr, flush=True)

    def close(self) -> None:
        print(file=sys.stderr, flush=True)


class _TqdmBar:
    def __init__(self, tqdm: Any, unit: str) -> None:
        self.tqdm, self.unit, self.bar = tqdm, unit, None

    def __call__(self, done: int, total: int) -> None:
        if self.bar is None:
            self.bar = self.tqdm(total=total, unit=f" {self.unit}")
        self.bar.update(done - self.bar.n)

    def close(self) -> None:
        if self.bar is not None:
            self.bar.close()


def _progress(progress: Progress, unit: str) -> tuple[Optional[Callable], Callable[[], None]]:
    if progress is None or progress is False:
        return None, lambda: None
    if progress is True:
        try:
            from tqdm import tqdm
        except ImportError:
            bar: Any = _TextBar(unit)
        else:
            bar = _TqdmBar(tqdm, unit)
        return bar, bar.close
    if callable(progress):
        return progress, lambda: None
    raise TypeError("progress must be True, False or a callable(done, total)")


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
    report, close = _progress(progress, "trials")
    try:
        return _core.batch(
            trials=_whole("trials", trials),
            length=_length("length", length),
            mask=None if mask is None else _mask("mask", mask),
            border=_text("border", border),
            step_limit=_whole("step_limit", step_limit),
            seed=_optional_whole("seed", seed),
            progress=report,
        )
    finally:
        close()


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
    ``lengths`` with every mask of ``masks`` (a list, or the CLI's text such
    as '0..31x0..31' or 'L1,R1;L1,R2'); or one per line of the ``configs``
    file. Lengths as range(20, 40), (20, 40) or '20..40' (a str may list
    several: '20..40,40..60'). trials, step_limit and seed as for batch();
    ``seed`` gives configuration i the seed the CLI gives it. threads: default
    one per core. shard: (I, N) runs every N-th configuration from I.

    Returns one dict per configuration, in list order, each with its
    ``index``; with ``arrays=True`` a dict of NumPy arrays, one per figure
    (averages of empty classes are NaN). Ctrl-C stops the sweep and raises
    KeyboardInterrupt; its ``result`` holds the rows finished (a row stopped
    midway says ``complete: False``).
    """
    report, close = _progress(progress, "configurations")
    try:
        rows = _core.sweep(
            masks=_items("masks", masks, _mask, ";"),
            lengths=_items("lengths", lengths, _length, ","),
            borders=_items("borders", borders, _text, ","),
            configs=None if configs is None else os.fspath(configs),
            trials=_whole("trials", trials),
            step_limit=_whole("step_limit", step_limit),
            seed=_optional_whole("seed", seed),
            threads=_optional_whole("threads", threads),
            shard=_shard(shard),
            progress=report,
        )
    finally:
        close()
    return _columns(rows) if arrays else rows


def _columns(rows: list[dict[str, Any]]) -> dict[str, Any]:
    import numpy as np

    out: dict[str, Any] = {}
    for key in rows[0] if rows else []:
        values = [row[key] for row in rows]
        if any(v is None for v in values):
            out[key] = np.array([np.nan if v is None else v for v in values], dtype=float)
        else:
            out[key] = np.array(values)
    return out
