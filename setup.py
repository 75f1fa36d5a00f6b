"""The setuptools step of pyproject.toml: builds rcalab._core and rcalab-cli
with CMake for the interpreter running this, and puts both in the package."""
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).resolve().parent


def version() -> str:
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(rcalab VERSION ([0-9.]+)", text).group(1)


class CMakeBuild(build_ext):
    def build_extension(self, ext: Extension) -> None:
        # A CMake build folder of one's own may be named, to reuse its objects.
        build = Path(os.environ.get("RCALAB_CMAKE_BUILD_DIR") or
                     Path(self.build_temp).resolve() / "cmake").resolve()
        subprocess.run(
            ["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja",
             "-DCMAKE_BUILD_TYPE=Release", "-DRCALAB_PYTHON=ON", "-DRCALAB_TESTS=OFF",
             f"-DPYTHON_EXECUTABLE={sys.executable}"],
            check=True,
        )
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", str(os.cpu_count() or 1))
        subprocess.run(
            ["cmake", "--build", str(build), "-j", jobs, "--target", "rcalab_python"], check=True
        )
        package = build / "src" / "python" / "rcalab"
        target = Path(self.get_ext_fullpath(ext.name)).resolve()
        target.parent.mkdir(parents=True, exist_ok=True)
        built = next(package.glob("_core.*.so"), None) or next(package.glob("_core*.so"))
        shutil.copy2(built, target)
        shutil.copy2(package / "rcalab-cli", target.parent / "rcalab-cli")


setup(
    version=version(),
    ext_modules=[Extension("rcalab._core", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    # Out of the way of the Makefile's build folders.
    options={"build": {"build_base": "build-pip"}},
)
