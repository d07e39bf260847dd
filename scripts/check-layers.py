#!/usr/bin/env python3
"""Checks that includes between the folders of src/ follow the layer order of
docs/architecture.md: a folder includes only itself and folders of lower layers."""
import os
import re
import sys

# Lowest first; folders on one line share a layer and may not include each other.
LAYERS = [
    ["common"],
    ["cards"],
    ["state"],
    ["gamelog", "bidai", "playai", "presentation"],
    ["search"],
    ["coach", "persistence"],
    ["table", "folders"],
    ["gui/base"],
    ["gui/settings"],
    ["gui/paint"],
    ["gui/scene", "gui/dialogs"],
    ["gui/coach"],
    ["gui/window"],
    ["app"],
]


def layer_of(folder):
    for index, layer in enumerate(LAYERS):
        if folder in layer:
            return index
    return None


def folder_of(path):
    parts = path.split("/")
    return "/".join(parts[:2]) if parts[0] == "gui" and len(parts) > 2 else parts[0]


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
    include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
    faults = []
    for directory, _, files in os.walk(root):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(directory, name)
            here = folder_of(os.path.relpath(path, root).replace(os.sep, "/"))
            for target in include.findall(open(path, encoding="utf-8").read()):
                there = folder_of(target)
                if there == here or "/" not in target:
                    continue
                low, high = layer_of(there), layer_of(here)
                if low is None or high is None:
                    faults.append(f"{path}: folder outside the layer list: {there or here}")
                elif low >= high:
                    faults.append(f"{path}: {here} includes {target} of the same or a higher layer")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
