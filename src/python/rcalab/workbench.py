"""The workbench with Python's types: checked arguments, notices as warnings,
failed file commands as exceptions, and pictures for Jupyter."""
from __future__ import annotations

import os
from typing import Any, Optional, Union

from . import _core
from . import _options as opt

PathLike = Union[str, "os.PathLike[str]"]


class RcalabWarning(UserWarning):
    """A notice of the workbench (a file it could not use, a value it refused):
    what the window shows on its notice line. Filter with
    ``warnings.filterwarnings(..., category=rcalab.RcalabWarning)``."""


class FileError(OSError):
    """A file command that could not read or write its file.

    ``filename`` is the file as the workbench names it (relative names lie in
    its folder), ``strerror`` the cause."""

    def __init__(self, message: str, filename: str, cause: str) -> None:
        super().__init__(message)
        self.filename = filename
        self.strerror = cause

    def __str__(self) -> str:
        return str(self.args[0])


class Window:
    """A window of a workbench that draws: shown inline in Jupyter."""

    def __init__(self, workbench: "Workbench", form: str) -> None:
        self.workbench, self.form = workbench, form

    def canvas(self) -> Any:
        """The window's picture as an H x W x 3 uint8 RGB array."""
        return self.workbench.canvas(self.form)

    def _repr_png_(self) -> bytes:
        return self.workbench.png(self.form)

    def __repr__(self) -> str:
        return f"<rcalab.Window {self.form} of {self.workbench.workdir!r}>"


class Workbench(_core.Workbench):
    """The whole workbench after start-up, as rcalab-cli starts it: every form
    built, FormShow run, the first random trial set up, over a folder of its own.

    The verbs are those of rcalab-cli scripts (docs/scripting.md); a refused
    line raises rcalab.ScriptError (a RuntimeError) with the CLI's message.
    Every file the workbench reads or writes lies in its folder; the process's
    current directory is never changed. Notices (a file that could not be
    read, say) arrive as warnings of category rcalab.RcalabWarning and stay in
    ``notices``; a file command whose read or write failed raises
    rcalab.FileError (an OSError). Long verbs stop on Ctrl-C with
    KeyboardInterrupt. In Jupyter a workbench shows its main window.

    The folder is locked for this process while a workbench is on it: another
    program on it raises rcalab.FolderInUseError here. Answered save dialogs
    and pictures may name files outside the folder unless ``confine=True``,
    which refuses them with rcalab.ScriptError, as rcalab-cli does by default.
    """

    confined: bool  # writes kept inside the folder

    def __init__(self, workdir: Optional[PathLike] = None, *, confine: bool = False) -> None:
        """Starts a workbench over the folder ``workdir`` (default: the current
        directory as the workbench starts). ``confine=True`` keeps every write
        it is asked for inside the folder, links followed."""
        super().__init__(None if workdir is None else opt.path("workdir", workdir),
                         opt.flag("confine", confine))
        self.confined = confine

    def __repr__(self) -> str:
        return f"rcalab.Workbench({self.workdir!r}{', confine=True' if self.confined else ''})"

    def _repr_png_(self) -> bytes:
        return self.png()

    @property
    def notices(self) -> list[str]:
        """The latest notices, oldest first (up to the last 1000)."""
        return super().notices

    def window(self, form: str = "TForm1") -> Window:
        """A window that draws (``"TForm6"``), for an inline picture."""
        self.canvas(form)  # an unknown form or one without a surface raises here
        return Window(self, form)

    def type(self, control: str, text: str) -> None:
        """The user types text into an edit field."""
        super().type(opt.text("control", control), opt.text("text", text))

    def click(self, control: str) -> None:
        """Clicks a button, check box or menu item ('Button58', 'TForm6.Button14')."""
        super().click(opt.text("control", control))

    def check(self, control: str, on: bool) -> None:
        """Sets a check box (as a click) or a menu mark."""
        super().check(opt.text("control", control), opt.flag("on", on))

    def select(self, control: str, item: int) -> None:
        """Selects item (from 0) of a radio group."""
        super().select(opt.text("control", control), opt.whole("item", item))

    def updown(self, control: str, up: bool = True, times: int = 1) -> None:
        """Presses an up-down arrow ``times`` times."""
        super().updown(opt.text("control", control), opt.flag("up", up),
                       opt.count("times", times, "an arrow is pressed 0 or more times"))

    def call(self, handler: str) -> None:
        """Runs a command by name ('Button2Click', 'TForm6.FormShow')."""
        super().call(opt.text("handler", handler))

    def tick(self, timer: str, times: int = 1) -> None:
        """Delivers ``times`` ticks of a timer."""
        super().tick(opt.text("timer", timer),
                     opt.count("times", times, "a timer ticks 0 or more times"))

    def advance(self, ms: int) -> None:
        """Moves virtual time on by ``ms``, delivering every due tick in order.
        Ctrl-C stops it after the current tick (the clock stays there) and
        raises KeyboardInterrupt."""
        super().advance(opt.count("ms", ms, "virtual time only moves on"))

    def mouse(self, kind: str, x: int, y: int, button: str = "left",
              form: str = "TForm1") -> None:
        """A mouse event: kind is 'down', 'up' or 'move'."""
        super().mouse(opt.text("kind", kind), opt.whole("x", x), opt.whole("y", y),
                      opt.text("button", button), opt.text("form", form))

    def answer(self, path: Optional[PathLike]) -> None:
        """The answer to the next file dialog (None cancels it); a relative path
        lies in the workbench's folder. A confined workbench refuses, when a
        save dialog takes it, a name that leads outside the folder."""
        super().answer(None if path is None else opt.path("path", path))

    def set(self, name: str, value: Any) -> None:
        """Writes a model value: a str as ``set`` reads it, a number, a bool,
        or a sequence (a line's cells as 0 = C, 1 = B, 2 = A or letters;
        numbers of a row)."""
        super().set(opt.text("name", name), value)

    def get(self, name: str) -> Any:
        """A model value or control as its declared type: an int, float or bool;
        a line as a uint8 array of cells (C = 0, B = 1, A = 2) over the line's
        length; per-cell values, rows and tables as int64 or float64 arrays; a
        mark grid as a rows x cells array; an edit field's text as a str."""
        return super().get(opt.text("name", name))

    def canvas(self, form: Optional[str] = None) -> Any:
        """The drawing surface of the main window (or of ``form``) as an
        H x W x 3 uint8 RGB array."""
        return super().canvas(opt.optional_text("form", form))

    def png(self, form: Optional[str] = None) -> bytes:
        """The drawing surface of the main window (or of ``form``) as PNG bytes."""
        return super().png(opt.optional_text("form", form))


for _type in (RcalabWarning, FileError, Window, Workbench):
    _type.__module__ = "rcalab"
