"""Compares two state events (one JSON object each) field by field.

Usage: compare_states.py A.state B.state
Prints every field that differs and exits 1 when any does.
"""
import json
import sys


def load(path):
    with open(path, encoding="utf-8") as f:
        event = json.loads(f.read())
    assert event.get("ev") == "state", f"{path} holds no state event"
    return event


a, b = load(sys.argv[1]), load(sys.argv[2])
differ = sorted(k for k in a.keys() | b.keys() if a.get(k) != b.get(k))
for key in differ:
    print(f"{key}: {a.get(key)!r} != {b.get(key)!r}")
if differ:
    sys.exit(1)
print(f"{len(a)} state fields equal")
