#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mutation testing of the core: does some fast test fail when one line of src/ is wrong?

Applies N single-line mutations to the core's sources one at a time (flip a comparison, change a
constant by one, drop a statement, swap && and ||), rebuilds, runs the fast tests, and prints
"killed K of N" with the survivors. A mutant that does not compile is not counted; another one is
drawn in its place. The choice is seeded, so two runs with the same seed on the same sources try
the same mutants. A mutant whose tests run past the time limit (a link that spins) is killed: the
script ends the tests itself. Stopped by Ctrl-C, SIGTERM or SIGHUP, it puts the mutated file back
first.

    tools/mutate.py --build build/mutate [--seed 27] N
"""

import argparse
import os
import random
import re
import signal
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CORE = ["src/channels", "src/files", "src/link", "src/service", "src/series"]
FAST_TESTS = "channels_test|link_test|service_test|files_test|fake_radio_test|cli_test|series_test"
# The fast tests take seconds; a mutant that makes them run this long hangs them. Enforced here,
# since a test's own TIMEOUT property overrides ctest's --timeout.
TEST_LIMIT_S = 60
STOP_SIGNALS = {signal.SIGINT, signal.SIGTERM, signal.SIGHUP}

COMPARISONS = [(" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > "),
               (" == ", " != "), (" != ", " == ")]
LOGIC = [(" && ", " || "), (" || ", " && ")]
INTEGER = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
STATEMENT = re.compile(r"^\s*[A-Za-z_][\w:.\->\[\]]*\s*(\(|=|\+=|-=|\+\+|--|\.|->).*;\s*$")
NOT_DROPPABLE = re.compile(r"^\s*(return|break|continue|case|default|using|namespace|static_assert)\b")


def is_code(line):
    text = line.strip()
    return text and not text.startswith(("//", "#", "*", "/*"))


def without_strings(line):
    return re.sub(r'"(\\.|[^"\\])*"', '""', line)


def code_part(line):
    """The line up to a trailing comment, string literals blanked to \"\"."""
    code = without_strings(line)
    return code.split("//", 1)[0]


def mutations_of(line):
    """Every single-line mutant of a line: (what was done, the new line)."""
    if not is_code(line):
        return []
    code = code_part(line)
    found = []
    for old, new in COMPARISONS + LOGIC:
        start = code.find(old)
        while start != -1:
            found.append((f"'{old.strip()}' -> '{new.strip()}'", line[:start] + new + line[start + len(old):]))
            start = code.find(old, start + 1)
    if '"' not in code:  # constants only where no string literal could shift the columns
        for match in INTEGER.finditer(code):
            value = int(match.group(1))
            for changed in {value + 1, max(value - 1, 0)} - {value}:
                found.append((f"{value} -> {changed}",
                              line[:match.start()] + str(changed) + line[match.end():]))
    if STATEMENT.match(code + "\n") and not NOT_DROPPABLE.match(code) and not set("{}") & set(code):
        indent = line[: len(line) - len(line.lstrip())]
        found.append(("drop statement", indent + ";\n"))
    return found


def candidates():
    for folder in CORE:
        for path in sorted((ROOT / folder).rglob("*.cpp")):
            if "/qt/" in str(path):
                continue  # the Qt adapters are not reached by the fast tests
            for number, line in enumerate(path.read_text().splitlines(keepends=True), 1):
                for what, mutated in mutations_of(line):
                    yield path, number, line, what, mutated


def run(command):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def build(build_dir):
    return run(["cmake", "--build", build_dir, "-j2"]) == 0


class Stopped(Exception):
    pass


def stop(signum, _frame):
    raise Stopped(signal.Signals(signum).name)


def fast_tests_pass(build_dir):
    """Whether the fast tests pass; None when they ran past TEST_LIMIT_S and were ended."""
    tests = subprocess.Popen(["ctest", "--test-dir", build_dir, "-R", f"^({FAST_TESTS})$",
                              "--stop-on-failure", "-j2"], cwd=ROOT, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return tests.wait(timeout=TEST_LIMIT_S) == 0
    except subprocess.TimeoutExpired:
        return None
    finally:
        if tests.poll() is None:  # ctest and every test it started, whatever ended the wait
            os.killpg(tests.pid, signal.SIGKILL)
            tests.wait()


def try_mutant(build_dir, path, number, mutated):
    """None when it does not compile, else how the fast tests took it: "killed", "killed
    (time limit)" or "SURVIVED"."""
    original = path.read_text()
    lines = original.splitlines(keepends=True)
    lines[number - 1] = mutated
    try:
        path.write_text("".join(lines))
        if not build(build_dir):
            return None
        passed = fast_tests_pass(build_dir)
        return "SURVIVED" if passed else "killed" if passed is False else "killed (time limit)"
    finally:
        signal.pthread_sigmask(signal.SIG_BLOCK, STOP_SIGNALS)  # no stop halfway through
        path.write_text(original)
        signal.pthread_sigmask(signal.SIG_UNBLOCK, STOP_SIGNALS)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("count", type=int, nargs="?", default=30, metavar="N")
    parser.add_argument("--build", default="build/mutate")
    parser.add_argument("--seed", type=int, default=27)
    args = parser.parse_args()
    for stop_signal in STOP_SIGNALS:
        signal.signal(stop_signal, stop)
    try:
        mutate(args)
    except Stopped as stopped:
        sys.exit(f"mutate: stopped by {stopped}; the sources are as they were")


def mutate(args):
    if not build(args.build) or not fast_tests_pass(args.build):
        sys.exit("mutate: the unmutated build or its fast tests fail; fix that first")
    pool = list(candidates())
    random.Random(args.seed).shuffle(pool)
    killed, tried, survivors = 0, 0, []
    for path, number, line, what, mutated in pool:
        if tried == args.count:
            break
        outcome = try_mutant(args.build, path, number, mutated)
        if outcome is None:
            continue
        tried += 1
        place = f"{path.relative_to(ROOT)}:{number}: {what}"
        print(f"{outcome:8} {place}", flush=True)
        if outcome == "SURVIVED":
            survivors.append(f"{place}    {line.strip()}")
        else:
            killed += 1
    build(args.build)  # leave the build as the sources are
    print(f"killed {killed} of {tried}")
    for survivor in survivors:
        print("  survivor:", survivor)


if __name__ == "__main__":
    main()
