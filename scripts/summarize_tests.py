#!/usr/bin/env python3
"""Counts test results of one or more CTest runs (the main build and the sanitizer build), each
given as its CTest JUnit file and its results folder: every GoogleTest case from its XML
report, every other CTest test (end to end, fuzz runs) once, a GoogleTest program that died
before writing its report as one failure, and a run that left no JUnit file as one failure.
Prints the summary line "N passed, N failed"."""
import os
import sys
import xml.etree.ElementTree as ET


def count_run(junit_path, results_dir):
    passed = failed = 0
    if not os.path.exists(junit_path):
        print(f"no test results in {junit_path}")
        return 0, 1
    ctest = ET.parse(junit_path).getroot()
    for case in ctest.iter("testcase"):
        name = case.get("name")
        ok = case.get("status", "run") in ("run", "passed") and case.find("failure") is None \
            and case.find("error") is None
        report = os.path.join(results_dir, name + ".xml")
        if os.path.exists(report):
            suite = ET.parse(report).getroot()
            total = int(suite.get("tests", 0)) - int(suite.get("disabled", 0))
            bad = int(suite.get("failures", 0)) + int(suite.get("errors", 0))
            skipped = sum(1 for t in suite.iter("testcase") if t.find("skipped") is not None)
            passed += total - bad - skipped
            failed += bad
            if not ok and bad == 0:
                failed += 1  # the program failed after its cases passed (crash at exit, leak)
        elif ok:
            passed += 1
        else:
            failed += 1
    return passed, failed


def main(args):
    if not args or len(args) % 2:
        print("usage: summarize_tests.py JUNIT RESULTS_DIR [JUNIT RESULTS_DIR ...]")
        return 2
    passed = failed = 0
    for junit_path, results_dir in zip(args[::2], args[1::2]):
        p, f = count_run(junit_path, results_dir)
        passed += p
        failed += f
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
