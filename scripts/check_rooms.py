#!/usr/bin/env python3
"""Fails when the source folders include each other in a circle, or when Qt is included
outside src/app: the folder tree is the architecture, and a circle would make it a lie.
Each folder of src (and each room of src/workspace) is one node; an include is an edge."""
import collections
import pathlib
import re
import sys

src = pathlib.Path(__file__).resolve().parent.parent / "src"
include = re.compile(r'^#include [<"]([^">]+)[">]', re.M)


def room(path: str) -> str:
    parts = path.split("/")
    if parts[0] == "workspace" and len(parts) > 2:
        return "workspace/" + parts[1]
    return parts[0]


edges = collections.defaultdict(set)
problems = []
for file in sorted(src.rglob("*")):
    if file.suffix not in (".h", ".cpp"):
        continue
    name = file.relative_to(src).as_posix()
    text = file.read_text(encoding="utf-8")
    for target in include.findall(text):
        if target.startswith("Q") and room(name) != "app":
            problems.append(f"{name} includes Qt ({target}) outside src/app")
        if (src / target).exists() and room(target) != room(name):
            edges[room(name)].add(room(target))

state = {}


def visit(node, path):
    state[node] = "open"
    for nxt in sorted(edges[node]):
        if state.get(nxt) == "open":
            problems.append("folders include each other: " + " -> ".join(path + [nxt]))
        elif nxt not in state:
            visit(nxt, path + [nxt])
    state[node] = "done"


for node in sorted(list(edges)):
    if node not in state:
        visit(node, [node])

for problem in problems:
    print(problem, file=sys.stderr)
sys.exit(1 if problems else 0)
