"""What the Python tests share: the CLI they compare with and a ready folder."""
import os
import signal
import subprocess

import pytest

CLI = os.path.abspath(os.environ["RCALAB_CLI"])


@pytest.fixture(autouse=True, scope="session")
def python_handles_ctrl_c():
    """A shell without job control starts its background jobs with SIGINT
    ignored, and Python then keeps it ignored: the Ctrl-C tests would wait
    for ever. Give Python its own handler back, as a terminal has it."""
    if signal.getsignal(signal.SIGINT) is signal.SIG_IGN:
        signal.signal(signal.SIGINT, signal.default_int_handler)
    yield


@pytest.fixture
def workdir(tmp_path):
    subprocess.run([CLI, "init-workdir", str(tmp_path)], check=True)
    return tmp_path
