#!/usr/bin/env python3
"""web_scenarios.py NATIVE_DRIVER WEB_DRIVER_JS: every scenario's transcript and the files it
leaves must be byte-identical from both (the native suite holds them to the expectations)."""
import filecmp, glob, os, subprocess, sys, tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def play(driver, scenario, work):
    """Writes the scenario's files into work, runs its commands; the driver's output."""
    options, commands, app, target = [], [], ROOT, None
    os.makedirs(os.path.join(work, "data"))
    for line in open(scenario, encoding="utf-8").read().split("\n"):
        if line.startswith("> "):
            commands.append(line[2:])
        elif commands or line.startswith("#"):
            continue
        elif line.startswith("option "):
            options += line[7:].split()
        elif line.startswith("file "):
            where, name = line[5:].split(None, 1)
            if where == "app" and app == ROOT:  # a copy of the app folder, linking to its files
                app = os.path.join(work, "app")
                os.makedirs(os.path.join(app, "Media"))
                for entry in ("help", "pictures") + tuple("Media/" + m for m in os.listdir(ROOT + "/Media")):
                    os.symlink(os.path.join(ROOT, entry), os.path.join(app, entry))
            target = os.path.join(app if where == "app" else work + "/data", name.strip())
            os.makedirs(os.path.dirname(target), exist_ok=True)
            if os.path.lexists(target):
                os.remove(target)
            open(target, "wb").close()
        elif target and line[:2] in ("| ", "n ", "r "):
            words = line[2:]
            with open(target, "ab") as f:
                f.write(b"".join(int(v).to_bytes(2, "little", signed=int(v) < 0) for v in words.split())
                        if line[0] == "r" else words.encode() + (b"\r\n" if line[0] == "|" else b"\n"))
    if "--app-folder" not in options:
        options += ["--app-folder", app]
    options += ["--data-folder", work + "/data"] + ([] if "--seed" in options else ["--seed", "1"])
    return subprocess.run(driver + options, input=("\n".join(commands) + "\n").encode(), cwd=work,
                          capture_output=True).stdout


def main():
    native, web = [os.path.abspath(sys.argv[1])], ["node", os.path.abspath(sys.argv[2])]
    scenarios = sorted(glob.glob(ROOT + "/tests/scenarios/**/*.scn", recursive=True))
    failed = []
    with tempfile.TemporaryDirectory(prefix="quorrel-web-scenarios-") as work:
        for scenario in scenarios:
            name = os.path.relpath(scenario, ROOT + "/tests/scenarios")
            a, b = os.path.join(work, name, "native"), os.path.join(work, name, "web")
            same = play(native, scenario, a) == play(web, scenario, b)
            files = filecmp.dircmp(a + "/data", b + "/data")
            same = same and not (files.left_only or files.right_only or files.diff_files)
            print(("pass " if same else "FAIL ") + name)
            failed += [] if same else [name]
    print("web scenarios: %d of %d play byte-identical under Node" % (len(scenarios) - len(failed), len(scenarios)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
