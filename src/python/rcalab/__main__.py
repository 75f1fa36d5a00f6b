"""``python -m rcalab ARGS`` is ``rcalab-cli ARGS``: the program installed beside the package."""
import os
import sys
from pathlib import Path


def main() -> None:
    cli = Path(__file__).with_name("rcalab-cli")
    if not os.access(cli, os.X_OK):
        sys.exit(f"rcalab: the command-line program {cli} is missing; reinstall the package")
    sys.stdout.flush()
    sys.stderr.flush()
    os.execv(cli, [str(cli), *sys.argv[1:]])


if __name__ == "__main__":
    main()
