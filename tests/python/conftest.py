"""What the Python tests share: the CLI they compare with and a ready folder."""
import contextlib
import gc
import os
import signal
import subprocess
import threading

import pytest

CLI = os.path.abspath(os.environ["RCALAB_CLI"])


@pytest.fixture
def workdir(tmp_path):
    subprocess.run([CLI, "init-workdir", str(tmp_path)], check=True)
    return tmp_path


@contextlib.contextmanager
def ctrl_c(after):
    """Ctrl-C `after` seconds into the block, and again every 5 s until the
    block is left, as a user would press it again. CPython drops a
    KeyboardInterrupt that its handler raises while a finalizer runs, so one
    press can be lost to the garbage of earlier tests; collecting it first
    makes that rare, and the presses after it make it harmless."""
    gc.collect()
    left = threading.Event()

    def press():
        delay = after
        while not left.wait(delay):
            signal.raise_signal(signal.SIGINT)
            delay = 5.0

    presser = threading.Thread(target=press, daemon=True)
    presser.start()
    try:
        yield
    finally:
        left.set()
        presser.join()
