"""The compiled part of rcalab; use the names of the rcalab package."""
from typing import Any, Callable, Optional

import numpy as np
import numpy.typing as npt

__version__: str

class ScriptError(RuntimeError): ...

class FolderInUseError(RuntimeError):
    pid: Optional[int]
    holder: str

class Workbench:
    def __init__(self, workdir: Optional[str] = None, confine: bool = False) -> None: ...
    @property
    def workdir(self) -> str: ...
    @property
    def notices(self) -> list[str]: ...
    def type(self, control: str, text: str) -> None: ...
    def click(self, control: str) -> None: ...
    def check(self, control: str, on: bool) -> None: ...
    def select(self, control: str, item: int) -> None: ...
    def updown(self, control: str, up: bool, times: int) -> None: ...
    def call(self, handler: str) -> None: ...
    def tick(self, timer: str, times: int) -> None: ...
    def advance(self, ms: int) -> None: ...
    def mouse(self, kind: str, x: int, y: int, button: str, form: str) -> None: ...
    def answer(self, path: Optional[str]) -> None: ...
    def set(self, name: str, value: Any) -> None: ...
    def get(self, name: str) -> Any: ...
    def canvas(self, form: Optional[str] = None) -> npt.NDArray[np.uint8]: ...
    def png(self, form: Optional[str] = None) -> bytes: ...

Progress = Optional[Callable[[int, int], Any]]

def batch(
    *,
    trials: int,
    length: tuple[int, int],
    mask: Optional[str],
    border: str,
    step_limit: int,
    seed: Optional[int],
    progress: Progress,
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
    progress: Progress,
    check_only: bool = False,
) -> Optional[list[dict[str, Any]]]: ...
def verdicts(
    length: tuple[int, int],
    *,
    all: bool,
    trials: Optional[int],
    seed: Optional[int],
    bcount: Optional[int],
    mask: Optional[str],
    border: Optional[str],
    step_limit: Optional[int],
    threads: Optional[int],
    shard: Optional[tuple[int, int]],
    cases: bool,
    cases_of: Optional[str],
    progress: Progress,
    check_only: bool = False,
) -> Optional[list[dict[str, Any]]]: ...
