#!/usr/bin/env python3
"""Mutation run over the core: how many small faults put into the core do the tests catch?

The script copies a commit of the repository into a folder of its own, makes every mutant of
the core's .cpp files (flipped comparisons and conditions, constants off by one, swapped
arithmetic operators, deleted statements), draws a fixed sample by seed, and for each mutant
rebuilds incrementally and runs the non-GUI test binaries that link the mutated file, each
stopping at its first failing test. A mutant is killed (a test failed), survived (every test
passed), timed out (the tests ran past the limit) or did not build.

Results are kept in <workdir>/results-<label>.json, so an interrupted run goes on where it
stopped; the report lists every mutant with its outcome.

    scripts/mutants.py --label before --rev <commit>      # run (or go on with) a sample
    scripts/mutants.py --label before --report            # print the report of what ran
    scripts/mutants.py --list                             # print the sample, build nothing
"""

import argparse
import hashlib
import json
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

CORE = ["src/table", "src/bidai", "src/playai", "src/gamelog", "src/cards"]
REPO = Path(__file__).resolve().parent.parent

# Flag-free names of the test binaries that cannot see the core under test or need a display.
SKIPPED_TESTS = {"test_gui", "test_small_screen"}


# ---------------------------------------------------------------- finding mutants

def mask(text):
    """The text with comments, string and character literals and preprocessor lines blanked,
    so that operators are only found in code. Offsets stay those of the text."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            j = text.find("\n", i)
            j = n if j < 0 else j
            for k in range(i, j):
                out[k] = " "
            i = j
            continue
        if c == "\n":
            line_start = True
            i += 1
            continue
        if not c.isspace():
            line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
        elif text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            delim_end = text.find("(", i)
            closing = ")" + text[i + 2:delim_end] + '"'
            j = text.find(closing, delim_end)
            j = n if j < 0 else j + len(closing)
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            j += 1
        else:
            i += 1
            continue
        for k in range(i, min(j, n)):
            if out[k] != "\n":
                out[k] = " "
        i = j
    return "".join(out)


# Binary operators are written with a space on each side in this code base; template angle
# brackets and pointer stars are not, which is how the patterns tell them apart.
SWAPS = [
    (r" == ", " != ", "flip =="),
    (r" != ", " == ", "flip !="),
    (r" <= ", " < ", "<= to <"),
    (r" >= ", " > ", ">= to >"),
    (r" < ", " <= ", "< to <="),
    (r" > ", " >= ", "> to >="),
    (r" && ", " || ", "&& to ||"),
    (r" \|\| ", " && ", "|| to &&"),
    (r" \+ ", " - ", "+ to -"),
    (r" - ", " + ", "- to +"),
    (r" \* ", " / ", "* to /"),
    (r" / ", " * ", "/ to *"),
    (r" \+= ", " -= ", "+= to -="),
    (r" -= ", " += ", "-= to +="),
    (r"\+\+", "--", "++ to --"),
    (r"--", "++", "-- to ++"),
]

STATEMENT = re.compile(
    r"^(\s+)((\+\+|--)?[A-Za-z_][\w.\[\]:]*(->[\w.\[\]:]+)*\s*"
    r"(\(|=[^=]|\+=|-=|\|=|&=|\+\+|--)|break;|continue;).*;\s*$")
KEYWORDS = ("return", "if", "for", "while", "switch", "case", "else", "do", "using", "namespace",
            "static_assert", "throw", "delete", "new")


def line_of(text, offset):
    return text.count("\n", 0, offset) + 1


def mutants_of(path, text):
    code = mask(text)
    found = []

    def add(start, end, replacement, what):
        line_start = text.rfind("\n", 0, start) + 1
        line_end = text.find("\n", start)
        found.append({"file": path, "start": start, "end": end, "new": replacement,
                      "line": line_of(text, start), "what": what,
                      "old": text[start:end], "column": start - line_start,
                      "line_text": text[line_start:line_end if line_end >= 0 else len(text)]})

    for pattern, replacement, what in SWAPS:
        for m in re.finditer(pattern, code):
            add(m.start(), m.end(), replacement, what)
    for m in re.finditer(r"(?<![\w.])(\d+)([uUlL]*)(?![\w.])", code):
        value = int(m.group(1))
        add(m.start(1), m.end(1), str(value + 1), f"{value} to {value + 1}")
        if value > 0:
            add(m.start(1), m.end(1), str(value - 1), f"{value} to {value - 1}")
    for m in re.finditer(r"(?<=[( ])!(?!=)", code):
        add(m.start(), m.end(), "", "drop !")
    for m in re.finditer(r"\b(if|while) \(", code):
        open_at = m.end() - 1
        depth, j = 0, open_at
        while j < len(code):
            depth += {"(": 1, ")": -1}.get(code[j], 0)
            if depth == 0:
                break
            j += 1
        if j < len(code):
            add(open_at, j + 1, "(!" + text[open_at:j + 1] + ")", f"negate {m.group(1)}")
    offset, previous = 0, ""
    for raw in code.splitlines(keepends=True):
        stripped = raw.strip()
        m = STATEMENT.match(raw.rstrip("\n"))
        if (m and not stripped.startswith(KEYWORDS)
                and stripped.count("(") == stripped.count(")")
                and previous.endswith((";", "{", "}", ":"))):
            start = offset + len(m.group(1))
            add(start, offset + len(raw.rstrip("\n")), "", "delete statement")
        if stripped:
            previous = stripped
        offset += len(raw)
    return found


def all_mutants(tree):
    mutants = []
    for folder in CORE:
        for path in sorted((tree / folder).glob("*.cpp")):
            rel = str(path.relative_to(tree))
            mutants.extend(mutants_of(rel, path.read_text()))
    mutants.sort(key=lambda m: (m["file"], m["start"], m["what"]))
    # A mutant is named by its file, the text of its line (and which of the lines with that
    # text), where in the line it sits and what it changes, not by its offset in the file: an
    # edit elsewhere in the file leaves its name, and so the sample, as it was.
    seen = {}
    for m in mutants:
        key = f'{m["file"]}:{m["line_text"]}:{m["column"]}:{m["end"] - m["start"]}:{m["new"]}'
        seen[key] = seen.get(key, 0) + 1
        key += f':{seen[key]}'
        m["id"] = hashlib.sha1(key.encode()).hexdigest()[:10]
    return mutants


def sample(mutants, seed, count):
    """The `count` mutants whose names, hashed with the seed, come first: a mutant's place in
    the sample does not depend on the others, so a change to one file of the core leaves the
    sample's mutants of the other files as they were."""
    def rank(m):
        return hashlib.sha1(f'{seed}:{m["id"]}'.encode()).hexdigest()
    return sorted(mutants, key=rank)[:count]


# ---------------------------------------------------------------- building and running

def run(cmd, **kw):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kw)


def export_tree(rev, tree):
    """Writes the files of `rev` into `tree`, touching only files whose content changed so
    that the build there stays incremental."""
    files = run(["git", "-C", str(REPO), "ls-tree", "-r", "--name-only", rev]).stdout.split()
    kept = set(files)
    for path in [p for p in tree.rglob("*") if p.is_file()]:
        if str(path.relative_to(tree)) not in kept:
            path.unlink()  # gone in `rev`: a glob of the build would still find it
    for name in files:
        data = subprocess.run(["git", "-C", str(REPO), "show", f"{rev}:{name}"],
                              stdout=subprocess.PIPE, check=True).stdout
        target = tree / name
        if target.exists() and target.read_bytes() == data:
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)


def configure(tree, build):
    if (build / "build.ninja").exists():
        return
    env = dict(os.environ)
    res = run(["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=", "-DCMAKE_CXX_FLAGS=-O1", "-DFIVRA_BUILD_GUI=OFF",
               "-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON",
               "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"], env=env)
    if res.returncode != 0:
        sys.exit("configure failed:\n" + res.stdout)


def test_binaries(build):
    res = run(["ninja", "-C", str(build), "-t", "targets", "all"])
    names = sorted({line.split(":")[0].split("/")[-1] for line in res.stdout.splitlines()
                    if re.match(r"^bin/test_\w+:", line)})
    return [n for n in names if n not in SKIPPED_TESTS]


def build_targets(build, targets):
    res = run(["nice", "-n", "15", "ninja", "-C", str(build), "-j", "2"] + targets)
    return res.returncode == 0, res.stdout


def sources_of(build, binary):
    res = run(["ninja", "-C", str(build), "-t", "commands", f"bin/{binary}"])
    return set(re.findall(r"-c (\S+\.cpp)", res.stdout))


def run_tests(tree, build, binaries, limit):
    """'killed', 'survived' or 'timed out', and the seconds it took."""
    started = time.monotonic()
    env = dict(os.environ, FIVRA_DATA_DIR=str(tree / "data"))
    for binary in binaries:
        left = limit - (time.monotonic() - started)
        if left <= 0:
            return "timed out", time.monotonic() - started
        proc = subprocess.Popen(["nice", "-n", "15", str(build / "bin" / binary),
                                 "--gtest_fail_fast", "--gtest_brief=1"],
                                cwd=str(build), env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)
        try:
            code = proc.wait(timeout=left)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            return "timed out", time.monotonic() - started
        if code != 0:
            return "killed", time.monotonic() - started
    return "survived", time.monotonic() - started


# ---------------------------------------------------------------- the run

def load(path):
    return json.loads(path.read_text()) if path.exists() else {}


def save(path, results):
    tmp = path.with_suffix(".tmp")
    tmp.write_text(json.dumps(results, indent=1, sort_keys=True))
    tmp.replace(path)


def report(chosen, results, out=sys.stdout):
    counts = {}
    for m in chosen:
        status = results.get(m["id"], {}).get("status", "not run")
        counts[status] = counts.get(status, 0) + 1
    built = sum(counts.get(s, 0) for s in ("killed", "survived", "timed out"))
    print("mutants: %d" % len(chosen), file=out)
    for status in ("killed", "survived", "timed out", "did not build", "no test links it",
                   "not run"):
        print("  %-14s %d" % (status, counts.get(status, 0)), file=out)
    if built:
        print("  killed of those that build: %.1f %%" % (100.0 * counts.get("killed", 0) / built),
              file=out)
    print(file=out)
    for m in sorted(chosen, key=lambda m: (m["file"], m["line"])):
        status = results.get(m["id"], {}).get("status", "not run")
        old = " ".join(m["old"].split())[:60]
        print(f'{status:13} {m["id"]} {m["file"]}:{m["line"]} {m["what"]}: {old}', file=out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--rev", default="HEAD", help="commit whose tests are run")
    parser.add_argument("--seed", type=int, default=23)
    parser.add_argument("--count", type=int, default=160)
    parser.add_argument("--label", default="run", help="name of the results file")
    parser.add_argument("--workdir", default=str(REPO / "build-mutants"))
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    parser.add_argument("--report", action="store_true", help="print the report and stop")
    parser.add_argument("--same-as", metavar="LABEL",
                        help="only the mutants that the run LABEL got to, to compare two runs")
    parser.add_argument("--limit", type=int, default=0,
                        help="seconds a mutant's tests may take (default: 4 x the clean run)")
    args = parser.parse_args()

    work = Path(args.workdir)
    tree, build = work / "tree", work / "build"
    tree.mkdir(parents=True, exist_ok=True)
    # A report reads the copy as it is: exporting would upset a run that is using it.
    if not (args.report and (tree / "CMakeLists.txt").exists()):
        export_tree(args.rev, tree)
    chosen = sample(all_mutants(tree), args.seed, args.count)
    if args.same_as:
        earlier = load(work / f"results-{args.same_as}.json")
        chosen = [m for m in chosen if m["id"] in earlier]
    results_path = work / f"results-{args.label}.json"
    results = load(results_path)
    if args.list or args.report:
        report(chosen, results) if args.report else [
            print(m["id"], m["file"], m["line"], m["what"]) for m in chosen]
        return

    configure(tree, build)
    binaries = test_binaries(build)
    ok, log = build_targets(build, binaries)
    if not ok:
        sys.exit("the clean tree does not build:\n" + log[-3000:])
    status, seconds = run_tests(tree, build, binaries, 3600)
    if status != "survived":
        sys.exit("the clean tree does not pass its tests (%s)" % status)
    limit = args.limit or int(4 * seconds) + 10
    print(f"clean run: {seconds:.0f} s; limit per mutant {limit} s", flush=True)
    seeing = {b: sources_of(build, b) for b in binaries}

    for index, m in enumerate(chosen):
        if m["id"] in results:
            continue
        path = tree / m["file"]
        original = path.read_text()
        mutated = original[:m["start"]] + m["new"] + original[m["end"]:]
        started = time.monotonic()
        try:
            path.write_text(mutated)
            folder = m["file"].split("/")[1]
            users = [b for b in binaries if any(s.endswith(m["file"]) for s in seeing[b])]
            users.sort(key=lambda b: (b != "test_" + folder, b))
            ok = bool(users) and build_targets(build, users)[0]
            if not users:
                status, test_seconds = "no test links it", 0.0
            elif not ok:
                status, test_seconds = "did not build", 0.0
            else:
                status, test_seconds = run_tests(tree, build, users, limit)
        finally:
            path.write_text(original)
        results[m["id"]] = {"status": status, "file": m["file"], "line": m["line"],
                            "what": m["what"], "seconds": round(time.monotonic() - started, 1)}
        save(results_path, results)
        print(f'[{index + 1}/{len(chosen)}] {status:13} {m["file"]}:{m["line"]} {m["what"]} '
              f'({time.monotonic() - started:.0f} s)', flush=True)
    build_targets(build, binaries)
    report(chosen, results)


if __name__ == "__main__":
    main()
