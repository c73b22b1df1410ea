#!/usr/bin/python3
"""browser_test.py SITE_FOLDER: the site in headless Chromium, played by taps and keys."""
import itertools, socket, subprocess, sys, time
from selenium import webdriver
from selenium.webdriver import ActionChains, Keys
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput

CANVAS = "const c = document.getElementById('screen'), d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;"
BOARD = CANVAS + """let b = null;  // the bounds of runs of 20 yellow pixels and more: the boxes, never text
for (let y = 0; y < c.height; y++) for (let x = 0, run = 0; x <= c.width; x++) {
  const i = (y * c.width + x) * 4;
  if (x < c.width && d[i] === 255 && d[i + 1] === 255 && d[i + 2] === 0) { run++; continue; }
  if (run >= 20) b = b ? [Math.min(b[0], x - run), b[1], Math.max(b[2], x - 1), y] : [x - run, y, x - 1, y];
  run = 0; }
return b && Math.abs(b[2] - b[0] - (b[3] - b[1])) <= 4 ? b : null;"""
RED = CANVAS + "const [x, y, s] = arguments; let n = 0; for (let j = y; j < y + s; j++) for (let i = x; i < x + s; i++) { const k = (j * c.width + i) * 4; n += d[k] > 200 && d[k + 1] < 60 && d[k + 2] < 60; } return n;"
SUM = CANVAS + "let s = 0; for (let i = 0; i < d.length; i += 7) s = (s * 31 + d[i]) % 1000000007; return s;"


def until(what, seconds=20):
    for _ in range(int(seconds * 5)):
        value = what()
        if value:
            return value
        time.sleep(0.2)
    raise AssertionError("timed out")


def solve(values, target, moves=()):
    # Moves (box, operator, box: the result replaces the second box) through whole numbers.
    alive = [i for i, v in enumerate(values) if v is not None]
    if len(alive) == 1:
        return list(moves) if values[alive[0]] == target else None
    for i, j in itertools.permutations(alive, 2):
        a, b = values[i], values[j]
        for o, r in enumerate((a + b, a - b, a * b, a // b if b and a % b == 0 else -1)):
            found = r >= 0 and solve([None if k == i else r if k == j else v for k, v in enumerate(values)],
                                     target, moves + ((i, o, j),))
            if found:
                return found


def main():
    port = socket.create_server(("127.0.0.1", 0)).getsockname()[1]  # a free port, let go at once
    server = subprocess.Popen([sys.executable, "-m", "http.server", str(port), "--bind", "127.0.0.1",
                               "--directory", sys.argv[1]], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    options = webdriver.ChromeOptions()
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", "--window-size=1024,768"):
        options.add_argument(a)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    js = browser.execute_script
    state = lambda field: js("return Module.ccall('quorrel_describe', 'string', ['string'], [arguments[0]])", field)
    def open_site():
        browser.get("http://127.0.0.1:%d/?seed=1" % port)
        return until(lambda: js(BOARD))
    def tap(x, y):
        actions = ActionBuilder(browser, mouse=PointerInput("touch", "finger"))
        actions.pointer_action.move_to_location(int(x), int(y)).pointer_down().pointer_up()
        actions.perform()
    results = []
    check = lambda name, ok: results.append(ok) or print(("pass " if ok else "FAIL ") + name)
    try:
        until(lambda: socket.socket().connect_ex(("127.0.0.1", port)) == 0)
        browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": "addEventListener('DOMContentLoaded', () =>"
            " { window.titleFirst = !document.getElementById('title').hidden && !quorrelStats.firstFrame; });"})
        x0, y0, x1, y1 = open_site()
        check("the title picture shows first, then the board", js("return window.titleFirst") is True)
        cell = (x1 - x0 + 1) / 3
        at = lambda col, row: (x0 + cell * (col + 0.5), y0 + cell * (row + 0.5))
        boxes, operators = [at(0, 1), at(1, 0), at(2, 1), at(1, 2)], [at(0, 0), at(2, 0), at(0, 2), at(2, 2)]
        for n, (i, o, j) in enumerate(solve([int(v) for v in state("Numbers").split()], int(state("TargetValue")))):
            tap(*boxes[i])
            if n == 0:
                time.sleep(0.3)
                check("the first number tapped turns red", js(RED, int(boxes[i][0] - cell / 2), int(boxes[i][1] - cell / 2), int(cell)) > 20)
            tap(*operators[o])
            tap(*boxes[j])
            time.sleep(0.6)
        check("three taps a move solve the puzzle", until(lambda: state("Stats").split()[0] == "1"))
        until(lambda: js(BOARD))
        before = js(SUM)
        ActionChains(browser).send_keys(Keys.TAB).perform()
        check("Tab moves the focus", until(lambda: js(SUM) != before, 5))
        ActionChains(browser).key_down(Keys.CONTROL).send_keys("=").key_up(Keys.CONTROL).perform()
        zoomed = until(lambda: (lambda b: b and b[2] - b[0] > x1 - x0 and b)(js(BOARD)), 5)
        time.sleep(1)  # the storage is written behind
        check("a reload keeps the zoom", open_site()[2] - open_site()[0] == zoomed[2] - zoomed[0])
        until(lambda: js("return !!navigator.serviceWorker.controller"))
        # Spanish remembered: its recordings come from the site, and the worker keeps them.
        js("try { Module.FS.mkdir('/data/config'); } catch (e) {}"
           "Module.FS.writeFile('/data/config/language', 'es\\n'); Module.FS.syncfs(false, () => {});")
        time.sleep(1)
        voice = "try { return Module.FS.readdir('/app/Media/es').length; } catch (e) { return 0; }"
        open_site()
        check("a language's recordings are fetched when it is shown", until(lambda: js(voice) > 100))
        server.terminate()
        server.wait()
        check("with the server stopped a reload still starts the game, and speaks Spanish",
              bool(open_site()) and until(lambda: js(voice) > 100))
        errors = [e["message"] for e in browser.get_log("browser") if e["level"] == "SEVERE"]
        check("no errors in the console" + "".join("\n  " + e for e in errors), not errors)
    finally:
        browser.quit()
        server.terminate()
    print("browser tests: %d of %d pass" % (sum(results), len(results)))
    return 0 if len(results) == 8 and all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
