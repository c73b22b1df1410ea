#!/usr/bin/python3
"""The web edition's figures in headless Chromium against scripts/web.sh --serve (a benchmark,
not a test): what the first load transfers (as served, and with gzip), the first frame after
navigation (cold, and again with the service worker's cache), a click to its frame, the CPU
an idle page takes, and the tab's memory.
  bench/web_bench/web_bench.py [--runs N] [--idle SECONDS]    (build first: scripts/web.sh)"""
import argparse, gzip, os, socket, statistics, subprocess, sys, time
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SITE = os.path.join(ROOT, "build-web", "site")


def browser():
    options = webdriver.ChromeOptions()
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", "--window-size=1024,768"):
        options.add_argument(a)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def wait(b, script, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        value = b.execute_script(script)
        if value:
            return value
        time.sleep(0.05)
    raise RuntimeError("timed out: " + script)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--idle", type=float, default=10)
    ap.add_argument("--port", type=int, default=8024)
    args = ap.parse_args()
    url = "http://127.0.0.1:%d/" % args.port
    server = subprocess.Popen([os.path.join(ROOT, "scripts", "web.sh"), "--serve", str(args.port)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        end = time.time() + 600
        while socket.socket().connect_ex(("127.0.0.1", args.port)) != 0:
            if time.time() > end or server.poll() is not None:
                sys.exit("web_bench: the server did not start")
            time.sleep(0.5)
        print("web_bench: %s, %d cores, Chromium headless" % (os.uname().machine, os.cpu_count()))
        print("\nfirst load, per file: bytes as served, and with gzip -9")
        total = total_gz = 0
        for name in sorted(os.listdir(SITE)):
            path = os.path.join(SITE, name)
            if os.path.isdir(path):
                continue
            size, packed = os.path.getsize(path), len(gzip.compress(open(path, "rb").read(), 9))
            total, total_gz = total + size, total_gz + packed
            print("  %-22s %9d %9d" % (name, size, packed))
        print("  %-22s %9d %9d  (the service worker then fetches the icons too; another language's recordings come when it is chosen)" % ("total", total, total_gz))

        cold, warm, clicks = [], [], []
        for _ in range(args.runs):
            b = browser()
            try:
                b.get(url)
                cold.append(wait(b, "return quorrelStats.firstFrame"))
                wait(b, "return navigator.serviceWorker.controller && 1")
                b.get(url)
                warm.append(wait(b, "return quorrelStats.firstFrame"))
                wait(b, "return quorrelStats.frames > 3 && performance.now() - quorrelStats.lastFrame > 1500",
                     60)
                # A tap on the left number box: it turns red.
                frames = b.execute_script("return quorrelStats.frames")
                w, h = b.execute_script("return [innerWidth, innerHeight]")
                b.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mousePressed", "x": w / 2 - 56,
                                  "y": h / 2 - 30, "button": "left", "clickCount": 1})
                b.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mouseReleased", "x": w / 2 - 56,
                                  "y": h / 2 - 30, "button": "left", "clickCount": 1})
                wait(b, "return quorrelStats.frames > %d" % frames, 5)
                clicks.append(b.execute_script("return quorrelStats.clickToFrame"))
                last = b
            finally:
                if len(cold) < args.runs:
                    b.quit()
        print("\nfirst frame after navigation, ms: cold median %.0f (min %.0f, max %.0f); from the "
              "cache median %.0f" % (statistics.median(cold), min(cold), max(cold), statistics.median(warm)))
        print("click to its frame, ms: median %.1f (max %.1f)" % (statistics.median(clicks), max(clicks)))

        b = last
        try:
            b.execute_cdp_cmd("Performance.enable", {})
            time.sleep(2)
            before = {m["name"]: m["value"] for m in b.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]}
            frames = b.execute_script("return quorrelStats.frames")
            time.sleep(args.idle)
            after = {m["name"]: m["value"] for m in b.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]}
            busy = after["TaskDuration"] - before["TaskDuration"]
            print("idle: %.2f %% of one core over %.0f s (%.1f ms of tasks), %d frames drawn" % (
                100 * busy / args.idle, args.idle, busy * 1000,
                b.execute_script("return quorrelStats.frames") - frames))
            wasm = b.execute_script("return HEAPU8.length")
            print("memory: JS heap %.1f MB used of %.1f MB; WebAssembly memory %.1f MB" % (
                after["JSHeapUsedSize"] / 2**20, after["JSHeapTotalSize"] / 2**20, wasm / 2**20))
        finally:
            b.quit()
    finally:
        server.terminate()
        server.wait()


if __name__ == "__main__":
    main()
