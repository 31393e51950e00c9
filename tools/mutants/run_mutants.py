# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the hand-made mutants against the tests: killed, survived, stillborn or stale."""
import pathlib
import subprocess
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from mutants import MUTANTS  # noqa: E402


def run(command):
    return subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def main(argv):
    preset = argv[0] if argv and argv[0] in ("dev", "ci", "sanitize") else "dev"
    # --core: only the core tests, built and run alone; much faster, and every mutant here
    # is in the core, where a test that kills it belongs.
    core = "--core" in argv
    names = [a for a in argv if a not in (preset, "--core")]
    chosen = [m for m in MUTANTS if not names or m[0] in names]
    build = ["cmake", "--build", "--preset", preset]
    test = ["ctest", "--preset", preset, "-j2", "--stop-on-failure", "-Q"]
    if core:
        build += ["--target", "vantrell_core_tests", "vantrell_cli_tests", "vantrell_interop_tests",
                  "vantrell-cli"]
        test += ["-L", "core"]
    if run(["cmake", "--preset", preset]) != 0 or run(build) != 0 or run(test) != 0:
        print("the unmutated build or its tests fail: fix that first")
        return 2
    counts = {"killed": 0, "survived": 0, "stillborn": 0, "stale": 0}
    for name, path, old, new in chosen:
        source = pathlib.Path(path)
        original = source.read_text()
        if original.count(old) != 1:
            verdict = "stale"
        else:
            start = time.time()
            try:
                source.write_text(original.replace(old, new))
                if run(build) != 0:
                    verdict = "stillborn"
                else:
                    verdict = "killed" if run(test) != 0 else "survived"
            finally:
                source.write_text(original)
            name = f"{name} ({time.time() - start:.0f} s)"
        counts[verdict] += 1
        print(f"{verdict:9} {name}", flush=True)
    run(build)  # leave the build as the sources are
    print(", ".join(f"{value} {key}" for key, value in counts.items()))
    return 0 if counts["stale"] == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
