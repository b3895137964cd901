#!/usr/bin/env python3
"""Counts test results: every GoogleTest case from its XML report, every other CTest test (end
to end, fuzz runs) once, and a GoogleTest program that died before writing its report as one
failure. Prints the summary line "N passed, N failed"."""
import os
import sys
import xml.etree.ElementTree as ET


def main(junit_path, results_dir):
    passed = failed = 0
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
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
