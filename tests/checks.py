"""Reporting shared by the Python-driven tests: each check prints its verdict,
and the run ends failing if any check failed."""

import sys

failures = []


def expect(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)
    return ok


def finish(failed=None):
    """Exits failing if any check failed: those given, or those expect() saw."""
    failed = failures if failed is None else failed
    if failed:
        sys.exit(f"FAIL: {len(failed)} check(s) failed")
    print("all checks passed")
