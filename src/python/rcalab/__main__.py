"""``python -m rcalab ARGS`` is ``rcalab-cli ARGS``: the program installed beside the package.

The program replaces this process, so its exit code, its signals and its
standard streams are the caller's (docs/batch.md, "Exit codes").
"""
import os
import sys
from pathlib import Path

# The program's own code for a run that could not start.
_FAILED = 1


def main() -> None:
    cli = Path(__file__).with_name("rcalab-cli")
    if not os.access(cli, os.X_OK):
        print(f"rcalab: the command-line program {cli} is missing; reinstall the package",
              file=sys.stderr)
        sys.exit(_FAILED)
    # A stream the caller closed is None here; the program reports it itself.
    for stream in (sys.stdout, sys.stderr):
        if stream is not None:
            try:
                stream.flush()
            except OSError:
                pass
    try:
        os.execv(cli, [str(cli), *sys.argv[1:]])
    except OSError as e:
        print(f"rcalab: cannot start {cli}: {e.strerror}", file=sys.stderr)
        sys.exit(_FAILED)


if __name__ == "__main__":
    main()
