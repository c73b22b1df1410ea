#!/usr/bin/env python3
"""Start-up, memory and idle figures of the game beside a bare SDL2 program, and the time from a
click on a number to its red on screen.

    startup_bench.py BUILD_DIR [--runs N] [--idle SECONDS] [--clicks N]

Starts its own Xvfb (1024x768, no window manager) and runs the bare program and the game
interleaved, N warm runs each. Both print "frame SECONDS" (CLOCK_MONOTONIC) on stderr after
every present when QUORREL_FRAME_LOG is set; the first-frame time is the first of those minus
the bench's own clock read just before the program is started. Peak resident memory is VmHWM at
3 s; idle CPU (all threads) and idle frames per second are counted from 5 s, when the board is up
and the sound device has been let go, over the idle window. Sound goes to SDL's disk driver
(written to /dev/null at the pace of a real device), so the game's sounds take as long as they
would be heard. Click-to-red is timed from the game taking the click from the X server to its
next frame, resize-to-frame from it learning the new size to its next frame.
"""
import argparse
import os
import pathlib
import signal
import statistics
import subprocess
import sys
import tempfile
import time

SETTLE_S = 3.0  # peak memory is read here
IDLE_FROM_S = 5.0  # the board is up and the sound device has been let go


def machine():
    model = "unknown"
    for line in pathlib.Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            model = line.split(":", 1)[1].strip()
            break
    return f"{os.cpu_count()} cores (nproc {os.sched_getaffinity(0).__len__()}), {model}"


def start_xvfb():
    for number in range(90, 140):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            break
    server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                               "-noreset"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return server, f":{number}"
        time.sleep(0.05)
    server.kill()
    sys.exit("bench: Xvfb did not start")


def cpu_ns(pid):
    """Nanoseconds on a CPU so far, per thread."""
    times = {}
    for task in pathlib.Path(f"/proc/{pid}/task").iterdir():
        try:
            times[task.name] = int((task / "schedstat").read_text().split()[0])
        except (OSError, ValueError):
            pass
    return times


def cpu_between(before, after):
    # A thread that ended in between would take its time with it: it is counted up to the end
    # of the window as if it had not run in it, and the bench says so.
    gone = set(before) - set(after)
    if gone:
        print(f"bench: {len(gone)} thread(s) ended during the idle window", file=sys.stderr)
    return sum(after[t] - before.get(t, 0) for t in after)


def peak_rss_mb(pid):
    for line in pathlib.Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1]) / 1024
    return float("nan")


def sleep_until(deadline):
    while (left := deadline - time.monotonic()) > 0:
        time.sleep(left)


def noted(stderr_path, what="frame"):
    times = []
    for line in pathlib.Path(stderr_path).read_text().splitlines():
        if line.startswith(what + " "):
            times.append(float(line.split()[1]))
    return times


def run_once(command, env, idle_s, work, action=None):
    """Runs one program; returns first-frame ms, peak MB at 3 s, idle CPU %, idle frames/s and
    what action returned (given the start time and the frames file)."""
    log = os.path.join(work, "frames.txt")
    with open(log, "w") as err:
        start = time.monotonic()
        process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=err)
    sleep_until(start + SETTLE_S)
    peak = peak_rss_mb(process.pid)
    if idle_s > 0:
        sleep_until(start + IDLE_FROM_S)
    cpu_before = cpu_ns(process.pid)
    idle_from = time.monotonic()
    sleep_until(idle_from + idle_s)
    cpu_after = cpu_ns(process.pid)
    idle_to = time.monotonic()
    extra = action(process, log) if action else None
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
    shown = noted(log)
    first = (shown[0] - start) * 1000 if shown else float("nan")
    idle_frames = sum(1 for t in shown if idle_from <= t <= idle_to)
    span = idle_to - idle_from
    cpu = cpu_between(cpu_before, cpu_after)
    return first, peak, cpu / 1e9 / span * 100, idle_frames / span, extra


def settings_text(sound_level):
    # Reward on, target 24, the sound level, all operator groups, a normal 800 x 600 window.
    return f"-1,5,{sound_level},-1,-1,-1\r\n0,2040,1680,12120,9465\r\n"


def first_frame_after(log, what, since):
    """ms from the first `what` noted after `since` to the next frame the program presents."""
    marks = [t for t in noted(log, what) if t >= since]
    later = [t for t in noted(log) if marks and t >= marks[0]]
    return (later[0] - marks[0]) * 1000 if later else float("nan")


def click_to_red(display, env):
    """Clicks a number box once the board is up; ms from the game taking the click from the
    window system to the next frame it presents."""
    def action(process, log):
        since = time.monotonic()
        subprocess.run(["xdotool", "mousemove", "596", "405", "click", "1"],
                       env=dict(env, DISPLAY=display), check=False)
        sleep_until(time.monotonic() + 1.5)
        return first_frame_after(log, "click", since)
    return action


def resize_to_frame(display, env):
    """Resizes the window once the board is up; ms from the game learning the new size to the
    next frame it presents."""
    def action(process, log):
        since = time.monotonic()
        subprocess.run(["xdotool", "search", "--pid", str(process.pid), "--name", "Quorrel",
                        "windowsize", "%@", "1000", "700"], env=dict(env, DISPLAY=display),
                       check=False, stdout=subprocess.DEVNULL, timeout=10)
        sleep_until(time.monotonic() + 1.0)
        return first_frame_after(log, "resize", since)
    return action


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle", type=float, default=5.0)
    parser.add_argument("--clicks", type=int, default=5)
    args = parser.parse_args()
    build = pathlib.Path(args.build).resolve()
    game, bare = build / "quorrel", build / "bench" / "bare_window"
    for program in (game, bare):
        if not program.exists():
            sys.exit(f"bench: {program} is missing (bench/run.sh builds it)")
    font = subprocess.run(["fc-match", "-f", "%{file}", "Liberation Sans"], capture_output=True,
                          text=True).stdout.strip()
    server, display = start_xvfb()
    work = tempfile.mkdtemp(prefix="quorrel-bench-")
    try:
        env = dict(os.environ, DISPLAY=display, QUORREL_FRAME_LOG="1", SDL_AUDIODRIVER="disk",
                   SDL_DISKAUDIOFILE="/dev/null", XDG_DATA_HOME=work)
        env.pop("WAYLAND_DISPLAY", None)
        folder = pathlib.Path(work) / "Brindlecove Software"
        folder.mkdir()
        settings = folder / "Quorrel.dat"
        results = {"bare": [], "game": []}
        # One run of each unmeasured first, so that both start warm.
        for i in range(args.runs + 1):
            for name, command in (("bare", [str(bare), font]), ("game", [str(game)])):
                settings.write_text(settings_text(1))
                figures = run_once(command, env, args.idle, work)
                if i > 0:
                    results[name].append(figures[:4])
        print(f"machine: {machine()}")
        print(f"{args.runs} warm runs each, interleaved; peak memory at {SETTLE_S:.0f} s; idle "
              f"measured from {IDLE_FROM_S:.0f} s for {args.idle:.0f} s")
        print(f"{'program':8} {'first frame ms':>15} {'peak RSS MB at 3 s':>19} {'idle CPU %':>11} {'idle frames/s':>14}")
        medians = {}
        for name in ("bare", "game"):
            medians[name] = [statistics.median(column) for column in zip(*results[name])]
            first, peak, cpu, fps = medians[name]
            print(f"{name:8} {first:15.1f} {peak:19.1f} {cpu:11.3f} {fps:14.2f}")
        b, g = medians["bare"], medians["game"]
        print(f"{'ratio':8} {g[0] / b[0]:15.2f} {g[1] / b[1]:19.2f}")
        if args.clicks > 0:
            times = []
            for _ in range(args.clicks):
                settings.write_text(settings_text(2))
                times.append(run_once([str(game)], env, 0.1, work, click_to_red(display, env))[4])
            print(f"click to red at sound level Yes: median {statistics.median(times):.1f} ms "
                  f"(each: {', '.join(f'{t:.0f}' for t in times)})")
            times = []
            for _ in range(args.clicks):
                settings.write_text(settings_text(1))  # the game saves the size it was given
                times.append(run_once([str(game)], env, 0.1, work, resize_to_frame(display, env))[4])
            print(f"resize to its frame: median {statistics.median(times):.1f} ms "
                  f"(each: {', '.join(f'{t:.0f}' for t in times)})")
    finally:
        server.terminate()
        server.wait()
        subprocess.run(["rm", "-rf", work], check=False)


if __name__ == "__main__":
    main()
