"""Sweeps and verdict enumerations spread over a Dask cluster.

``sweep(client, ...)`` and ``verdicts(client, length, ...)`` take the keywords
of ``rcalab.sweep`` / ``rcalab.verdicts``, cut the work into shards with their
``shard`` option, run each shard as a task on the cluster's workers and merge
what comes back, so the result equals the single-process call (for a sweep,
given a ``seed``). A worker lost in the middle has its shard run again
elsewhere by Dask; shards are pure functions of their arguments, so the merged
result does not change.
"""
from __future__ import annotations

import math
import sys
from typing import Any, Callable, Iterable, Optional, Union

import numpy as np

import rcalab

# The verdict engine deals lines out to shards in blocks of this many
# (docs/verdicts.md, "Sharding").
VERDICT_BLOCK = 4096
_SUMMED = ("lines", "ok", "not", "timeout", "steps")
# Counts by row, B cells and end step: summed item by item.
_HISTOGRAMS = ("notByRow", "okByB", "endStepsLog2")
_CASE_ARRAYS = ("case_lines", "case_end_steps", "case_rows", "case_columns")

Progress = Union[bool, Callable[[int, int], Any], None]


def _sweep_shard(index: int, count: int, options: dict) -> list:
    return rcalab.sweep(**options, shard=f"{index}/{count}")


def _verdicts_shard(index: int, count: int, length: Any, options: dict) -> list:
    return rcalab.verdicts(length, **options, shard=f"{index}/{count}")


def _default_shards(client: Any) -> int:
    # A few shards per worker thread keep every worker busy to the end and
    # make a lost worker cost little.
    threads = sum(client.nthreads().values())
    return 4 * max(1, threads)


def _check(client: Any, shards: Optional[int], options: dict) -> int:
    if client is None or not hasattr(client, "submit"):
        raise TypeError("client must be a dask.distributed.Client")
    if "shard" in options:
        raise ValueError("shard: the shards are this function's own; use shards=N")
    if shards is None:
        return _default_shards(client)
    if isinstance(shards, bool) or not isinstance(shards, int) or shards < 1:
        raise ValueError(f"shards must be a whole number of at least 1, not {shards!r}")
    return shards


def _progress(progress: Progress, what: str) -> Callable[[int, int], Any]:
    if callable(progress):
        return progress
    if progress:
        return lambda done, total: print(
            f"{what}: {done}/{total} shards done", file=sys.stderr, flush=True
        )
    return lambda done, total: None


def _cancel(client: Any, futures: list) -> None:
    """Cancels what is left, when the client can still reach its scheduler."""
    if getattr(client, "status", None) != "running":
        return
    try:
        client.cancel(futures)
    except Exception:  # the error that brought us here is the one to see
        pass


def _gather(client: Any, futures: list, progress: Callable[[int, int], Any]) -> list:
    """Each shard's result, in shard order; reports every finished shard."""
    from distributed import as_completed

    results: list = [None] * len(futures)
    place = {f.key: i for i, f in enumerate(futures)}
    try:
        for done, future in enumerate(as_completed(futures), start=1):
            results[place[future.key]] = future.result()
            progress(done, len(futures))
    except BaseException:
        _cancel(client, futures)
        raise
    return results


def sweep(
    client: Any, *, shards: Optional[int] = None, progress: Progress = None, **options: Any
) -> Union[list[dict[str, Any]], dict[str, Any]]:
    """``rcalab.sweep(**options)`` run as ``shards`` tasks on ``client``'s cluster.

    The rows come back in configuration order. With ``seed`` they equal the
    single-process call's row for row; without it every batch reseeds from
    its worker's clock, as the single-process call does. ``shards`` defaults
    to four per worker thread; ``threads`` is each task's own thread count.
    ``progress``: True prints a line per finished shard to standard error; a
    callable is called with (shards done, shards). The options are checked
    here, before anything is submitted.
    """
    arrays = options.pop("arrays", False)
    count = _check(client, shards, options)
    rcalab._check_sweep(arrays=arrays, **options)
    futures = [
        client.submit(_sweep_shard, i, count, options, pure=False) for i in range(count)
    ]
    parts = _gather(client, futures, _progress(progress, "sweep"))
    rows = sorted((row for part in parts for row in part), key=lambda row: row["index"])
    return rcalab._columns(rows) if arrays else rows


def _line_numbers(lines: np.ndarray) -> np.ndarray:
    """The --all line number of each case: bit i set where cell i is B."""
    weights = np.left_shift(np.uint64(1), np.arange(lines.shape[1], dtype=np.uint64))
    return ((lines == 1).astype(np.uint64) * weights).sum(axis=1, dtype=np.uint64)


def _sum_items(lists: list[list[int]]) -> list[int]:
    """Item-by-item sums; each list ends at its last nonzero count, so the sum does too."""
    out = [0] * max((len(x) for x in lists), default=0)
    for x in lists:
        for k, v in enumerate(x):
            out[k] += v
    return out


def _merge_length(parts: list[dict[str, Any]], enumerated: bool) -> dict[str, Any]:
    merged = {k: v for k, v in parts[0].items() if k != "shard"}
    for key in _SUMMED:
        merged[key] = sum(p[key] for p in parts)
    for key in _HISTOGRAMS:
        if key in merged:
            merged[key] = _sum_items([p[key] for p in parts])
    if "case_lines" not in merged:
        return merged
    # Shard i holds blocks i, i + N, ...: for --all the line number puts the
    # cases back in order; for trials each shard holds at most one block of
    # the length (see verdicts()), so shard order is trial order.
    order = np.arange(sum(len(p["case_verdicts"]) for p in parts))
    if enumerated:
        lines = np.concatenate([p["case_lines"] for p in parts])
        order = np.argsort(_line_numbers(lines), kind="stable")
    for key in _CASE_ARRAYS:
        merged[key] = np.concatenate([p[key] for p in parts])[order]
    verdicts_ = [v for p in parts for v in p["case_verdicts"]]
    merged["case_verdicts"] = [verdicts_[i] for i in order]
    return merged


def verdicts(
    client: Any,
    length: Any,
    *,
    shards: Optional[int] = None,
    progress: Progress = None,
    **options: Any,
) -> list[dict[str, Any]]:
    """``rcalab.verdicts(length, **options)`` run as ``shards`` tasks on the cluster.

    One dict per length, in length order, with the shards' counts summed
    (notByRow, okByB and endStepsLog2 item by item); equal to the
    single-process call. With ``cases=True`` the case arrays are
    merged in line order too. ``trials=N`` with ``cases=True`` needs at least
    one shard per block of 4096 trials (the default then takes that many),
    since the cases of a block carry no trial number to sort by.
    """
    count = _check(client, shards, options)
    rcalab._check_verdicts(length, **options)
    trials = options.get("trials")
    if options.get("cases") and not options.get("all") and trials:
        blocks = math.ceil(int(trials) / VERDICT_BLOCK)
        if shards is None:
            count = max(count, blocks)
        elif count < blocks:
            raise ValueError(
                f"shards: cases of {trials} trials need at least {blocks} shards "
                f"to come back in trial order"
            )
    futures = [
        client.submit(_verdicts_shard, i, count, length, options, pure=False)
        for i in range(count)
    ]
    parts = _gather(client, futures, _progress(progress, "verdicts"))
    return merge_verdicts((row for part in parts for row in part), bool(options.get("all")))


def merge_verdicts(
    rows: Iterable[dict[str, Any]], enumerated: bool = False, partial: bool = False
) -> list[dict[str, Any]]:
    """The shards' rows of each length summed into one, in length order
    (notByRow, okByB and endStepsLog2 item by item).

    Takes the dicts of ``rcalab.verdicts(..., shard=...)`` or the parsed JSON
    lines of ``rcalab-cli verdicts --json --shard I/N``, given in shard order
    (the ``shard`` field is dropped). ``enumerated``: the rows come from
    ``all=True``, so their cases are put back in line order.

    A row with ``"complete": false`` (a shard that was interrupted) raises
    ValueError naming its length and shard, since its sum would pass for a
    whole count; with ``partial=True`` it is merged and the length's row says
    ``"complete": false``.
    """
    by_length: dict[int, list[dict[str, Any]]] = {}
    for row in rows:
        if row.get("complete") is False and not partial:
            raise ValueError(
                f"length {row['length']} of shard {row.get('shard', '0/1')} is partial "
                f'("complete": false): run that shard again, or merge with partial=True'
            )
        by_length.setdefault(row["length"], []).append(row)
    merged = [_merge_length(by_length[L], enumerated) for L in sorted(by_length)]
    for row, L in zip(merged, sorted(by_length)):
        if any("complete" in p for p in by_length[L]):
            row["complete"] = all(p.get("complete", True) for p in by_length[L])
    return merged
