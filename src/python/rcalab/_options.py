"""Python values to the core's settings, with errors worded in Python's names."""
from __future__ import annotations

import numbers
import os
import re
import sys
from typing import Any, Callable, Iterable, Optional, Sequence, Union

Mask = Union[str, Sequence[str], tuple[int, int]]
Lengths = Union[range, tuple[int, int], str]
Progress = Union[bool, Callable[[int, int], Any], None]

_INT64 = 2**63
_BOX = re.compile(r"[LlRr][0-9]+")


def whole(name: str, value: Any) -> int:
    if isinstance(value, bool) or not isinstance(value, numbers.Integral):
        raise TypeError(f"{name} must be an int, not {type(value).__name__}")
    value = int(value)
    if not -_INT64 <= value < _INT64:
        raise ValueError(f"{name}: {value} is far out of range")
    return value


def optional_whole(name: str, value: Any) -> Optional[int]:
    return None if value is None else whole(name, value)


def count(name: str, value: Any, what: str) -> int:
    """A whole number that may not be negative."""
    value = whole(name, value)
    if value < 0:
        raise ValueError(f"{name}: {value} is negative; {what}")
    return value


def flag(name: str, value: Any) -> bool:
    if not isinstance(value, bool):
        raise TypeError(f"{name} must be True or False, not {value!r}")
    return value


def text(name: str, value: Any) -> str:
    if not isinstance(value, str):
        raise TypeError(f"{name} must be a str, not {type(value).__name__}")
    return value


def optional_text(name: str, value: Any) -> Optional[str]:
    return None if value is None else text(name, value)


def path(name: str, value: Any) -> str:
    if not isinstance(value, (str, os.PathLike)):
        raise TypeError(f"{name} must be a str or a path, not {type(value).__name__}")
    return os.fspath(value)


def mask(name: str, value: Any) -> str:
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


def length(name: str, value: Any) -> tuple[int, int]:
    """range(20, 40), (20, 40), [20, 40] or '20..40': lengths 20 to 39."""
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
        return whole(f"{name} MIN", value[0]), whole(f"{name} MAX", value[1])
    raise TypeError(
        f"{name} must be a range, a (MIN, MAX) pair or 'MIN..MAX', not {value!r}"
    )


def _one_box_list(value: Any) -> bool:
    return (
        isinstance(value, (list, tuple))
        and len(value) > 1
        and all(isinstance(v, str) and _BOX.fullmatch(v) for v in value)
    )


def items(name: str, value: Any, one: Callable[[str, Any], Any], sep: str) -> list:
    """A list option: None, one item, a str of items joined by `sep`, or a list."""
    if value is None:
        return []
    if isinstance(value, str):
        if not value.strip():
            raise ValueError(f"{name}: '{value}' names nothing; leave {name} out for the default")
        return [one(name, part) for part in value.split(sep)]
    if isinstance(value, range) or (
        isinstance(value, tuple) and len(value) == 2 and
        all(isinstance(v, numbers.Integral) and not isinstance(v, bool) for v in value)
    ):
        return [one(name, value)]
    if isinstance(value, Iterable):
        out = [one(name, item) for item in value]
        if not out:
            raise ValueError(f"{name}: an empty list runs nothing; leave {name} out for the default")
        return out
    raise TypeError(f"{name} must be a str or a list, not {type(value).__name__}")


def masks(value: Any) -> list[str]:
    # ['L1', 'R1'] is one mask to batch(); in a list of masks it could be
    # either, so the list form must say which.
    if _one_box_list(value):
        joined = ",".join(value)
        raise ValueError(
            f"masks={list(value)!r} is ambiguous: for one mask write masks=[{list(value)!r}] "
            f"or masks='{joined}'; for one mask per box write masks='{';'.join(value)}'"
        )
    return items("masks", value, mask, ";")


def words(name: str, value: Any) -> Optional[str]:
    """None, 'ok,not' or ['ok', 'not'] as the CLI's comma-separated value."""
    if value is None or isinstance(value, str):
        return value
    if isinstance(value, (list, tuple, set, frozenset)) and all(isinstance(v, str) for v in value):
        if not value:
            raise ValueError(f"{name}: an empty list names nothing; leave {name} out for the default")
        return ",".join(sorted(value) if isinstance(value, (set, frozenset)) else value)
    raise TypeError(f"{name} must be a str such as 'ok,not' or a list of str, not {value!r}")


def shard(value: Any) -> Optional[tuple[int, int]]:
    if value is None:
        return None
    if isinstance(value, str):
        index, slash, total = value.partition("/")
        try:
            return int(index), int(total)
        except ValueError:
            raise ValueError(f"shard: '{value}' is not 'I/N'") from None
    if isinstance(value, (tuple, list)) and len(value) == 2:
        return whole("shard I", value[0]), whole("shard N", value[1])
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


def progress(value: Progress, unit: str) -> tuple[Optional[Callable], Callable[[], None]]:
    if value is None or value is False:
        return None, lambda: None
    if value is True:
        try:
            from tqdm import tqdm
        except ImportError:
            bar: Any = _TextBar(unit)
        else:
            bar = _TqdmBar(tqdm, unit)
        return bar, bar.close
    if callable(value):
        return value, lambda: None
    raise TypeError("progress must be True, False or a callable(done, total)")
