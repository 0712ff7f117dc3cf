#!/usr/bin/env python3
"""Mutation test of the plain core: how many small faults put into sheets/, fuel/, calc/
and cli/ make a test fail.

A fixed, seeded sample of mutants (an arithmetic or relational operator swapped, a numeric
literal changed, && and || exchanged, a call statement deleted) is applied one at a time:
the file is changed, the debug build is brought up to date, the plain test binaries that
link the changed module run (and the pyrana-calc exit-status script), and the file is put
back byte for byte. A mutant that does not compile does not count. Slow (one rebuild per
mutant): run by hand, never in CI.

    scripts/mutation-test.py --count 40 --seed 17
    scripts/mutation-test.py --count 300 --seed 1 --list     # the sample only, no runs
    scripts/mutation-test.py --count 300 --seed 1 --matrix kills.json   # which test kills what
    scripts/mutation-test.py --cover kills.json               # tests no kill depends on
    scripts/mutation-test.py --count 120 --seed 1 --only-survivors before.txt
    scripts/mutation-test.py --count 40 --seed 17 --same-sample-as /tmp/old-tree

--same-sample-as takes the sample from an earlier tree (a `git archive` of the commit the
earlier run measured) and finds each mutant here, so that a score before and after a change
of the mutated files is taken on the same faults.

--only-survivors runs, of the same sample, only the mutants that an earlier run's output
lists as survived: a quick check that new tests kill them.
"""

import argparse
import difflib
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
MODULES = ("sheets", "fuel", "calc", "cli")

# Test binaries under the build folder, by the module whose code they can see, most
# likely killer first. "exit_status" is the script that runs the real pyrana-calc.
TESTS = {
    "sheets": ["tests/sheets/sheets_test", "tests/calc/calc_test", "tests/cli/cli_test",
               "exit_status"],
    "fuel": ["tests/fuel/fuel_test", "tests/calc/calc_test", "tests/library/library_test",
             "tests/cli/cli_test", "exit_status"],
    "calc": ["tests/calc/calc_test", "tests/cli/cli_test", "exit_status"],
    "cli": ["tests/cli/cli_test", "exit_status"],
}
TARGETS = ["sheets_test", "fuel_test", "calc_test", "library_test", "cli_test", "pyrana-calc"]

SWAPS = {"+": "-", "-": "+", "*": "/", "/": "*",
         "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*=",
         "<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==",
         "&&": "||", "||": "&&"}
# Binary operators as clang-format writes them: one blank on each side.
OPERATOR = re.compile(r"(?<= )(\+=|-=|\*=|/=|<=|>=|==|!=|&&|\|\||[-+*/<>])(?= )")
LITERAL = re.compile(r"(?<![\w.'])(\d[\d']*)(\.\d*)?([eE][-+]?\d+)?([fFlLuU]*)(?![\w.'])")
CALL = re.compile(r"^(\s*)((?:[A-Za-z_]\w*(?:::|\.|->))*[A-Za-z_]\w*\(.*\);)\s*$")
NOT_CALLS = {"return", "throw", "if", "while", "for", "switch", "case", "delete", "else",
             "do", "using", "typedef", "static_assert", "sizeof", "co_return", "new"}


@dataclass
class Mutant:
    path: str  # relative to ROOT
    line: int  # 0-based
    start: int
    end: int
    original: str
    replacement: str
    kind: str

    @property
    def module(self):
        return self.path.split("/")[0]

    def where(self):
        return f"{self.path}:{self.line + 1}"


def mask(lines):
    """The lines with comments, string and character literals blanked (same columns)."""
    out = []
    in_block = False
    for line in lines:
        chars = list(line)
        i = 0
        n = len(chars)
        while i < n:
            if in_block:
                if line.startswith("*/", i):
                    chars[i] = chars[i + 1] = " "
                    in_block = False
                    i += 2
                else:
                    chars[i] = " "
                    i += 1
                continue
            c = line[i]
            if line.startswith("//", i):
                for j in range(i, n):
                    chars[j] = " "
                break
            if line.startswith("/*", i):
                chars[i] = chars[i + 1] = " "
                in_block = True
                i += 2
                continue
            # A quote after a digit or letter is a digit separator (1'000), not a literal.
            if c == '"' or (c == "'" and not (i > 0 and line[i - 1].isalnum())):
                j = i + 1
                while j < n and line[j] != c:
                    j += 2 if line[j] == "\\" else 1
                for k in range(i + 1, min(j, n)):
                    chars[k] = "_"
                i = j + 1
                continue
            i += 1
        out.append("".join(chars))
    return out


def literal_replacement(m):
    whole, fraction, exponent, suffix = m.group(1), m.group(2), m.group(3), m.group(4)
    if whole.startswith("0") and len(whole) > 1 and not fraction:
        return None  # octal; not worth the trouble
    value = int(whole.replace("'", "")) + 1
    return f"{value}{fraction or ''}{exponent or ''}{suffix}"


def sites_of(path, root=ROOT):
    text = (root / path).read_text(encoding="utf-8")
    lines = text.split("\n")
    masked = mask(lines)
    found = []
    previous = ""
    for number, line in enumerate(masked):
        stripped = line.strip()
        if stripped.startswith("#") or stripped.startswith("static_assert"):
            previous = stripped or previous
            continue
        for m in OPERATOR.finditer(line):
            op = m.group(1)
            kind = ("logical" if op in ("&&", "||") else
                    "relational" if op in ("<", "<=", ">", ">=", "==", "!=") else "arithmetic")
            found.append(Mutant(path, number, m.start(1), m.end(1), op, SWAPS[op], kind))
        for m in LITERAL.finditer(line):
            replacement = literal_replacement(m)
            if replacement is not None:
                found.append(Mutant(path, number, m.start(), m.end(), m.group(0), replacement,
                                    "literal"))
        call = CALL.match(line)
        if call and not previous.endswith(")") and not previous.endswith("else"):
            body = call.group(2)
            first = re.match(r"[A-Za-z_]\w*", body).group(0)
            if first not in NOT_CALLS and body.count("(") == body.count(")"):
                start = len(call.group(1))
                # The text as written: the masked line has its strings blanked.
                found.append(Mutant(path, number, start, start + len(body),
                                    lines[number][start:start + len(body)], "", "deleted call"))
        previous = stripped or previous
    return found


def all_sites(with_headers, root=ROOT):
    paths = []
    for module in MODULES:
        for pattern in ("*.cpp", "*.h") if with_headers else ("*.cpp",):
            paths += sorted(str(p.relative_to(root)) for p in (root / module).glob(pattern))
    sites = []
    for path in sorted(paths):
        sites += sites_of(path, root)
    return sites


def same_mutants(earlier, earlier_root, sites):
    """The sites of this tree that are the `earlier` mutants of the tree at `earlier_root`:
    the same file, kind and change, on the line most like the earlier one (the text before
    and after the change compared), so that a sample stays the same when code moves."""
    found, lost = [], []
    for old in earlier:
        line = (earlier_root / old.path).read_text(encoding="utf-8").split("\n")[old.line]
        before, after = line[:old.start].strip(), line[old.end:].strip()
        best, best_score = None, 0.0
        for site in sites:
            if (site.path, site.kind, site.original, site.replacement) != (
                    old.path, old.kind, old.original, old.replacement):
                continue
            text = (ROOT / site.path).read_text(encoding="utf-8").split("\n")[site.line]
            score = (difflib.SequenceMatcher(None, before, text[:site.start].strip()).ratio() +
                     difflib.SequenceMatcher(None, after, text[site.end:].strip()).ratio() -
                     abs(site.line - old.line) * 1e-6)
            if score > best_score:
                best, best_score = site, score
        if best is not None and best_score > 1.5:
            found.append(best)
        else:
            lost.append(old)
    return found, lost


def apply(mutant, original_text):
    lines = original_text.split("\n")
    line = lines[mutant.line]
    assert line[mutant.start:mutant.end] == mutant.original, mutant
    lines[mutant.line] = line[:mutant.start] + mutant.replacement + line[mutant.end:]
    return "\n".join(lines)


def build(build_dir):
    result = subprocess.run(["cmake", "--build", str(build_dir), "--target", *TARGETS],
                            cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    return result.returncode == 0, result.stdout.decode(errors="replace")


def run_test(build_dir, test, timeout):
    """True when the test passes; False when it fails or runs out of time."""
    if test == "exit_status":
        command = ["bash", str(ROOT / "tests/cli/exit_status_test.sh"),
                   str(build_dir / "cli/pyrana-calc"), str(ROOT / "examples/Fuel")]
    else:
        command = [str(build_dir / test), "--gtest_brief=1", "--gtest_fail_fast"]
    process = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return process.wait(timeout=timeout) == 0
    except subprocess.TimeoutExpired:
        return False
    finally:
        if process.poll() is None:  # out of time or interrupted: its whole group goes
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def failing_tests(build_dir, test, timeout):
    """The names of the tests of `test` that fail (all of them run); None when it passes."""
    if test == "exit_status":
        return None if run_test(build_dir, test, timeout) else ["exit_status"]
    process = subprocess.Popen([str(build_dir / test), "--gtest_brief=1"], cwd=ROOT,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        out, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        return [f"{Path(test).name} (out of time)"]
    if process.returncode == 0:
        return None
    names = sorted(set(re.findall(r"^\[  FAILED  \] (\w+\.\w+)", out.decode(errors="replace"),
                                  re.MULTILINE)))
    return names or [f"{Path(test).name} (crashed)"]


def cover(matrix_path):
    """Prints, for the kills in a --matrix file, a smallest set of tests found greedily that
    kills every killed mutant, and the tests outside it: no kill of the sample depends on them."""
    kills = [entry for entry in json.loads(Path(matrix_path).read_text(encoding="utf-8"))
             if entry["killers"]]
    by_test = {}
    for index, entry in enumerate(kills):
        for name in entry["killers"]:
            by_test.setdefault(name, set()).add(index)
    left, chosen = set(range(len(kills))), []
    while left:
        name = max(sorted(by_test), key=lambda n: len(by_test[n] & left))
        chosen.append(name)
        left -= by_test[name]
    only = {name: sum(1 for e in kills if e["killers"] == [name]) for name in by_test}
    print(f"{len(kills)} killed mutants; {len(chosen)} tests kill them all:")
    for name in chosen:
        print(f"  {name}: kills {len(by_test[name])}, the only killer of {only[name]}")
    print("tests that kill only what the tests above kill too:")
    for name in sorted(set(by_test) - set(chosen)):
        print(f"  {name}: kills {len(by_test[name])}, the only killer of {only[name]}")
    return 0


def interrupt(*_):
    raise KeyboardInterrupt


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--count", type=int, default=40, help="mutants in the sample")
    parser.add_argument("--seed", type=int, default=17, help="seed of the sample")
    parser.add_argument("--build-dir", default="build/debug", help="the configured debug build")
    parser.add_argument("--with-headers", action="store_true", help="mutate headers too")
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    parser.add_argument("--matrix", metavar="FILE",
                        help="run every test on each mutant and write which tests kill it")
    parser.add_argument("--cover", metavar="FILE", help="analyse a --matrix file and stop")
    parser.add_argument("--only-survivors", metavar="FILE",
                        help="run only the mutants that survived in this earlier output")
    parser.add_argument("--same-sample-as", metavar="TREE",
                        help="the sample (same --count and --seed) of this earlier source tree, "
                             "each mutant found again here where its line moved")
    args = parser.parse_args()
    if args.cover:
        return cover(args.cover)

    sites = all_sites(args.with_headers)
    if args.same_sample_as:
        earlier_root = Path(args.same_sample_as).resolve()
        earlier_sites = all_sites(args.with_headers, earlier_root)
        earlier = random.Random(args.seed).sample(earlier_sites,
                                                  min(args.count, len(earlier_sites)))
        sample, lost = same_mutants(earlier, earlier_root, sites)
        print(f"the sample of {len(earlier)} with seed {args.seed} of {earlier_root}: "
              f"{len(sample)} found here")
        for mutant in lost:
            print(f"  not found: {mutant.where()} {mutant.kind}: '{mutant.original}' -> "
                  f"'{mutant.replacement}'")
    else:
        sample = random.Random(args.seed).sample(sites, min(args.count, len(sites)))
        print(f"{len(sites)} mutation sites; sample of {len(sample)} with seed {args.seed}")
    if args.only_survivors:
        survived = set()
        for line in Path(args.only_survivors).read_text(encoding="utf-8").splitlines():
            m = re.match(r"\[\d+/\d+\] survived\s+(\S+) (.+?): '(.*?)' -> '(.*?)'   \| ", line)
            if m:
                survived.add(m.groups())
        sample = [m for m in sample
                  if (m.where(), m.kind, m.original, m.replacement) in survived]
        print(f"{len(sample)} of them survived in {args.only_survivors}")
    if args.list:
        for mutant in sample:
            print(f"{mutant.where()}  {mutant.kind}: '{mutant.original}' -> "
                  f"'{mutant.replacement}'")
        return 0

    build_dir = (ROOT / args.build_dir).resolve()
    if not (build_dir / "build.ninja").exists() and not (build_dir / "Makefile").exists():
        subprocess.run(["cmake", "--preset", "debug"], cwd=ROOT, check=True)
    # Faults end the run cleanly: SIGTERM becomes an exception, so the file is put back.
    signal.signal(signal.SIGTERM, interrupt)

    ok, log = build(build_dir)
    if not ok:
        print(log[-3000:])
        print("the unchanged sources do not build", file=sys.stderr)
        return 1
    limits = {}
    for test in dict.fromkeys(t for tests in TESTS.values() for t in tests):
        began = time.monotonic()
        if not run_test(build_dir, test, timeout=600):
            print(f"{test} fails on the unchanged sources", file=sys.stderr)
            return 1
        limits[test] = 30 + 5 * (time.monotonic() - began)

    results = []
    matrix = []
    for index, mutant in enumerate(sample, 1):
        path = ROOT / mutant.path
        original = path.read_bytes()
        began = time.monotonic()
        try:
            path.write_bytes(apply(mutant, original.decode("utf-8")).encode("utf-8"))
            compiled, _ = build(build_dir)
            if not compiled:
                outcome = "compile error"
            elif args.matrix:
                killers = []
                for test in TESTS[mutant.module]:
                    killers += failing_tests(build_dir, test, limits[test]) or []
                outcome = f"killed by {len(killers)} tests" if killers else "survived"
                matrix.append({"mutant": f"{mutant.where()} {mutant.kind}: '{mutant.original}'"
                                         f" -> '{mutant.replacement}'", "killers": killers})
            else:
                outcome = "survived"
                for test in TESTS[mutant.module]:
                    if not run_test(build_dir, test, limits[test]):
                        outcome = f"killed by {Path(test).name}"
                        break
        finally:
            path.write_bytes(original)
        results.append((mutant, outcome))
        source = original.decode("utf-8").split("\n")[mutant.line].strip()
        print(f"[{index}/{len(sample)}] {outcome:<24} {mutant.where()} {mutant.kind}: "
              f"'{mutant.original}' -> '{mutant.replacement}'   | {source}"
              f"   ({time.monotonic() - began:.0f} s)", flush=True)

    build(build_dir)  # the build matches the sources again
    if args.matrix:
        Path(args.matrix).write_text(json.dumps(matrix, ensure_ascii=False, indent=1) + "\n",
                                     encoding="utf-8")

    print("\nmodule   killed  survived  compile errors  score")
    for module in (*MODULES, "all"):
        chosen = [(m, o) for m, o in results if module in ("all", m.module)]
        killed = sum(o.startswith("killed") for _, o in chosen)
        survived = sum(o == "survived" for _, o in chosen)
        errors = sum(o == "compile error" for _, o in chosen)
        score = f"{100 * killed / (killed + survived):.0f} %" if killed + survived else "-"
        print(f"{module:<8} {killed:>6}  {survived:>8}  {errors:>14}  {score:>5}")
    survivors = [m for m, o in results if o == "survived"]
    if survivors:
        print("\nsurvivors:")
        for mutant in survivors:
            source = (ROOT / mutant.path).read_text(encoding="utf-8").split("\n")[mutant.line]
            print(f"  {mutant.where()} {mutant.kind}: '{mutant.original}' -> "
                  f"'{mutant.replacement}'   | {source.strip()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
