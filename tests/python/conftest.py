"""What the Python tests share: the CLI they compare with and a ready folder."""
import os
import subprocess

import pytest

CLI = os.path.abspath(os.environ["RCALAB_CLI"])


@pytest.fixture
def workdir(tmp_path):
    subprocess.run([CLI, "init-workdir", str(tmp_path)], check=True)
    return tmp_path
