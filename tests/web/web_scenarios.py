#!/usr/bin/env python3
"""Plays every scenario file (tests/scenarios/**/*.scn, the format scenario_test.cpp reads)
against the native driver and the web driver under Node: each must meet the file's expectations,
and the two transcripts must be byte-identical.
  web_scenarios.py NATIVE_DRIVER WEB_DRIVER_JS [SCENARIO...]"""
import os, shutil, subprocess, sys, tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCENARIOS = os.path.join(ROOT, "tests", "scenarios")


def parse(path):
    options, files, steps = [], [], []
    for number, line in enumerate(open(path, encoding="utf-8").read().split("\n"), 1):
        if not line or line.startswith("#"):
            continue
        target = steps if steps else files
        if line.startswith("file "):
            where, name = line[5:].split(None, 1)
            target.append({"line": number, "where": where, "path": name.strip(), "bytes": b""})
        elif line[:2] in ("| ", "n ", "r ") and target and "where" in target[-1]:
            text = line[2:]
            if line[0] == "|":
                target[-1]["bytes"] += text.encode() + b"\r\n"
            elif line[0] == "n":
                target[-1]["bytes"] += text.encode() + b"\n"
            else:
                target[-1]["bytes"] += b"".join(int(v).to_bytes(2, "little", signed=int(v) < 0)
                                                for v in text.split())
        elif line.startswith("option ") and not steps:
            options += line[7:].split()
        elif line.startswith("> "):
            steps.append({"line": number, "command": line[2:], "expected": []})
        elif steps:
            steps[-1]["expected"].append(line)
    return options, files, steps


def matches(expected, actual):
    return expected[2:] in actual if expected.startswith("~ ") else expected == actual


def compare(expected, actual):
    a = 0
    for e, line in enumerate(expected):
        if line == "...":
            if e + 1 == len(expected):
                return ""
            while a < len(actual) and not matches(expected[e + 1], actual[a]):
                a += 1
            continue
        if a >= len(actual):
            return "missing output line: " + line
        if not matches(line, actual[a]):
            return "expected: %s\n  actual: %s" % (line, actual[a])
        a += 1
    return "unexpected output line: " + actual[a] if a != len(actual) else ""


def play(command, name, work):
    """One run of a scenario; returns (transcript, first failure or "")."""
    options, files, steps = parse(os.path.join(SCENARIOS, name))
    shutil.rmtree(work, ignore_errors=True)
    data, app = os.path.join(work, "data"), os.path.join(work, "app")
    os.makedirs(data)
    app_folder = options[options.index("--app-folder") + 1] if "--app-folder" in options else ROOT
    if any(f["where"] == "app" for f in files):
        os.makedirs(os.path.join(app, "Media"))
        for folder in ("help", "pictures"):
            os.symlink(os.path.join(app_folder, folder), os.path.join(app, folder))
        for entry in os.listdir(os.path.join(app_folder, "Media")):
            os.symlink(os.path.join(app_folder, "Media", entry), os.path.join(app, "Media", entry))
        app_folder = app
    where = lambda f: os.path.join(app if f["where"] == "app" else data, f["path"])
    for f in files:
        os.makedirs(os.path.dirname(where(f)), exist_ok=True)
        if os.path.lexists(where(f)):
            os.remove(where(f))  # a link to the real file: the copy gets a file of its own
        open(where(f), "wb").write(f["bytes"])
    args = [o for o in options]
    for flag, value in (("--app-folder", app_folder), ("--data-folder", data), ("--seed", "1")):
        if flag not in args:
            args += [flag, value]
        elif flag == "--app-folder":
            args[args.index(flag) + 1] = value
    driver = subprocess.Popen(command + args, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                              cwd=work, text=True, encoding="utf-8", errors="surrogateescape")
    transcript, failure = [], ""
    for step in steps:
        if "where" in step:
            held = open(where(step), "rb").read() if os.path.exists(where(step)) else None
            if held != step["bytes"] and not failure:
                failure = "%s:%d: %s holds other bytes" % (name, step["line"], step["path"])
            continue
        driver.stdin.write(step["command"] + "\n")
        driver.stdin.flush()
        output = []
        while True:
            line = driver.stdout.readline()
            if not line:
                output.append("(the driver ended)")
                break
            output.append(line.rstrip("\n"))
            if output[-1] == "ok" or output[-1].startswith("error: "):
                break
        transcript += ["> " + step["command"]] + output
        expected = step["expected"] or ["ok"]
        mismatch = compare(expected, output if step["expected"] else output[-1:])
        if mismatch and not failure:
            failure = "%s:%d: > %s\n  %s" % (name, step["line"], step["command"], mismatch)
    driver.stdin.close()
    driver.wait()
    return transcript, failure


def main():
    native, web = [os.path.abspath(sys.argv[1])], ["node", os.path.abspath(sys.argv[2])]
    names = sys.argv[3:] or sorted(
        os.path.relpath(os.path.join(d, f), SCENARIOS)
        for d, _, fs in os.walk(SCENARIOS) for f in fs if f.endswith(".scn"))
    failures = 0
    with tempfile.TemporaryDirectory(prefix="quorrel-web-scn-") as work:
        for name in names:
            native_lines, native_failure = play(native, name, os.path.join(work, "run"))
            web_lines, web_failure = play(web, name, os.path.join(work, "run"))
            problem = web_failure or native_failure
            if not problem and web_lines != native_lines:
                first = next(i for i, (a, b) in enumerate(zip(native_lines + [""], web_lines + [""]))
                             if a != b)
                problem = "%s: transcripts differ at line %d:\n  native: %s\n  web:    %s" % (
                    name, first + 1, (native_lines + [""])[first], (web_lines + [""])[first])
            print(("FAIL " + problem) if problem else "pass " + name)
            failures += bool(problem)
    print("web scenarios: %d of %d pass under Node, byte-identical to native" %
          (len(names) - failures, len(names)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
