"""The compiled part of rcalab; use the names of the rcalab package."""
import os
from typing import Any, Callable, Optional

import numpy as np
import numpy.typing as npt

__version__: str

class ScriptError(RuntimeError): ...

class Workbench:
    """The whole workbench after start-up, driven with the rcalab-cli script verbs."""

    def __init__(self, workdir: Optional[str | os.PathLike[str]] = None) -> None: ...
    @property
    def workdir(self) -> str: ...
    def type(self, control: str, text: str) -> None: ...
    def click(self, control: str) -> None: ...
    def check(self, control: str, on: bool) -> None: ...
    def select(self, control: str, item: int) -> None: ...
    def updown(self, control: str, up: bool = True, times: int = 1) -> None: ...
    def call(self, handler: str) -> None: ...
    def tick(self, timer: str, times: int = 1) -> None: ...
    def advance(self, ms: int) -> None: ...
    def mouse(
        self, kind: str, x: int, y: int, button: str = "left", form: str = "TForm1"
    ) -> None: ...
    def answer(self, path: Optional[str]) -> None: ...
    def set(self, name: str, value: str) -> None: ...
    def get(self, name: str) -> int | float | str | npt.NDArray[Any]: ...
    def canvas(self, form: Optional[str] = None) -> npt.NDArray[np.uint8]: ...

def batch(
    *,
    trials: int,
    length: tuple[int, int],
    mask: Optional[str],
    border: str,
    step_limit: int,
    seed: Optional[int],
    progress: Optional[Callable[[int, int], Any]],
) -> dict[str, Any]: ...
def sweep(
    *,
    masks: list[str],
    lengths: list[tuple[int, int]],
    borders: list[str],
    configs: Optional[str],
    trials: int,
    step_limit: int,
    seed: Optional[int],
    threads: Optional[int],
    shard: tuple[int, int],
    progress: Optional[Callable[[int, int], Any]],
) -> list[dict[str, Any]]: ...
def verdicts(
    length: tuple[int, int] | str,
    *,
    all: bool = False,
    trials: Optional[int] = None,
    seed: Optional[int] = None,
    bcount: Optional[int] = None,
    mask: Optional[str] = None,
    border: Optional[str] = None,
    step_limit: Optional[int] = None,
    threads: Optional[int] = None,
    shard: Optional[str] = None,
    cases: bool = False,
) -> list[dict[str, Any]]: ...
