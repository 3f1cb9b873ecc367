#!/usr/bin/env python3
"""The layering test: every file of src/ includes only headers of the folders its
library may use (the table in src/CMakeLists.txt, as the build wrote it to
layering.txt), no file of a rules library reaches a Qt header outside QtCore,
and the folders' include graph has no cycle. Prints one line per problem.
  layering.py REPO LAYERING_TXT QT_INCLUDE_DIRS (colon-separated)"""
import os
import re
import sys

repo, manifest, qt_dirs = sys.argv[1], sys.argv[2], sys.argv[3]
src = os.path.join(repo, "src")
include = re.compile(r'^\s*#\s*include\s+([<"])([^">]+)[">]')

# The headers of the Qt modules other than QtCore, by name.
beyond_core = set()
for folder in qt_dirs.split(":"):
    module = os.path.basename(folder.rstrip("/"))
    if module.startswith("Qt") and module != "QtCore" and os.path.isdir(folder):
        beyond_core.update(os.listdir(folder))

libraries = {}
for line in open(manifest):
    if line.strip():
        name, links, sources = line.strip().split(":")
        libraries[name] = ([l for l in links.split(",") if l], [s for s in sources.split(",") if s])

def folder_of(library):
    return library[:-3] if library.endswith("_ui") else library

def closure(library, seen=None):
    seen = set() if seen is None else seen
    if library not in seen:
        seen.add(library)
        for below in libraries[library][0]:
            closure(below, seen)
    return seen

parsed = {}
def includes(path):
    """(line, quoted?, name) of each include of a file under the repository."""
    if path not in parsed:
        found = []
        with open(os.path.join(repo, path), errors="replace") as text:
            for number, line in enumerate(text, 1):
                m = include.match(line)
                if m:
                    found.append((number, m.group(1) == '"', m.group(2)))
        parsed[path] = found
    return parsed[path]

problems = []
edges = set()

def check(origin, sources, allowed, rules, own):
    """Walks the files of a library and the project headers they reach."""
    todo, seen = list(sources), set()
    while todo:
        path = todo.pop()
        if path in seen:
            continue
        seen.add(path)
        folder = path.split("/")[1]
        for number, quoted, name in includes(path):
            where = f"{path}:{number}"
            if quoted and "/" in name and os.path.isdir(os.path.join(src, name.split("/")[0])):
                target = name.split("/")[0]
                if folder != target:
                    edges.add((folder, target))
                # A header of another folder is checked with its own folder;
                # it is followed only for the Qt modules it brings.
                if folder == own and target not in allowed:
                    problems.append(f'{where} includes "{name}": {origin} may use '
                                    f"{', '.join(sorted(allowed))} only")
                elif target in allowed and os.path.isfile(os.path.join(src, name)):
                    todo.append("src/" + name)
            elif not quoted and rules:
                module, _, header = name.rpartition("/")
                if (module and module.startswith("Qt") and module != "QtCore") or (not module and name in beyond_core):
                    via = "" if folder == own else f" (reached from {origin})"
                    problems.append(f"{where} includes <{name}>{via}: {origin} is a rules library, "
                                    "QtCore only")

listed = set()
for library, (links, sources) in libraries.items():
    for below in links:
        if below not in libraries:
            problems.append(f"src/CMakeLists.txt: hellas_{library} links hellas_{below}, which is not in the table")
    allowed = {folder_of(l) for l in closure(library)}
    check(f"hellas_{library}", sources, allowed, not library.endswith("_ui"), folder_of(library))
    listed.update(sources)

# Files that no library lists (headers, the program's main, the sound module):
# what their folder's libraries together may use.
by_folder = {}
for library in libraries:
    by_folder.setdefault(folder_of(library), set()).update(folder_of(l) for l in closure(library))
for folder in sorted(os.listdir(src)):
    if not os.path.isdir(os.path.join(src, folder)):
        continue
    files = sorted(f"src/{folder}/{f}" for f in os.listdir(os.path.join(src, folder))
                   if f.endswith((".h", ".cpp")))
    if folder not in by_folder:
        if files:
            problems.append(f"src/{folder}: no library of the table is built from this folder")
        continue
    check(f"src/{folder}", [f for f in files if f not in listed], by_folder[folder], False, folder)

# The folders' include graph must have no cycle: each group of folders that
# reach one another (Tarjan's strongly connected components) is one problem.
graph = {}
for a, b in edges:
    graph.setdefault(a, set()).add(b)
index, low, stack, on_stack = {}, {}, [], set()
def visit(folder):
    index[folder] = low[folder] = len(index)
    stack.append(folder)
    on_stack.add(folder)
    for b in graph.get(folder, ()):
        if b not in index:
            visit(b)
            low[folder] = min(low[folder], low[b])
        elif b in on_stack:
            low[folder] = min(low[folder], index[b])
    if low[folder] == index[folder]:
        group = []
        while True:
            b = stack.pop()
            on_stack.discard(b)
            group.append(b)
            if b == folder:
                break
        if len(group) > 1:
            problems.append("folders that include one another: " + ", ".join(sorted(group)))
for folder in sorted(graph):
    if folder not in index:
        visit(folder)

for problem in sorted(set(problems)):
    print("layering:", problem)
print(f"layering: {len(libraries)} libraries, {len(parsed)} files, {len(edges)} folder arrows, "
      f"{len(set(problems))} problems")
sys.exit(1 if problems else 0)
