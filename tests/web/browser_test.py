#!/usr/bin/python3
"""The site in headless Chromium: the title and then the board on the canvas; a puzzle solved
by taps at its boxes (the first number tapped turns red in the canvas's pixels); a key moves
the focus; a reload keeps the zoom chosen; with the server stopped a reload still starts the
game; and nothing is logged as an error.   browser_test.py SITE_FOLDER"""
import functools, itertools, socket, subprocess, sys, time
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.keys import Keys

YELLOW_BOXES = """const c = document.getElementById('screen');
const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
let x0 = 1e9, y0 = 1e9, x1 = -1, y1 = -1;
for (let y = 0; y < c.height; y++) for (let x = 0, run = 0; x <= c.width; x++) {
  const i = (y * c.width + x) * 4;  // runs of 20 yellow pixels and more: boxes, never text
  if (x < c.width && d[i] === 255 && d[i + 1] === 255 && d[i + 2] === 0) { run++; continue; }
  if (run >= 20) { x0 = Math.min(x0, x - run); x1 = Math.max(x1, x - 1);
    y0 = Math.min(y0, y); y1 = Math.max(y1, y); }
  run = 0; }
return x1 < 0 ? null : [x0, y0, x1, y1];"""
RED_IN = """const [x, y, w, h] = arguments;
const d = document.getElementById('screen').getContext('2d').getImageData(x, y, w, h).data;
let n = 0; for (let i = 0; i < d.length; i += 4) n += d[i] > 200 && d[i + 1] < 60 && d[i + 2] < 60;
return n;"""
CANVAS_SUM = """const c = document.getElementById('screen');
const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
let s = 0; for (let i = 0; i < d.length; i += 7) s = (s * 31 + d[i]) % 1000000007; return s;"""


def wait_for(what, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        value = what()
        if value:
            return value
        time.sleep(0.2)
    raise AssertionError("timed out waiting")


class Site:
    def __init__(self, folder):
        self.folder, self.port = folder, free_port()
        self.server = None
        options = webdriver.ChromeOptions()
        for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1024,768"):
            options.add_argument(a)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source":
            "document.addEventListener('DOMContentLoaded', () => { window.titleFirst ="
            " !document.getElementById('title').hidden && !window.quorrelStats.firstFrame; });"})

    def serve(self, on):
        if on:
            self.server = subprocess.Popen([sys.executable, "-m", "http.server", str(self.port),
                                            "--bind", "127.0.0.1", "--directory", self.folder],
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wait_for(lambda: socket.socket().connect_ex(("127.0.0.1", self.port)) == 0)
        else:
            self.server.terminate()
            self.server.wait()

    def js(self, script, *args):
        return self.browser.execute_script(script, *args)

    def open(self):
        self.browser.get("http://127.0.0.1:%d/?seed=1" % self.port)
        return self.board()

    def board(self):  # the yellow boxes' bounds once the whole board is drawn: a square
        square = lambda b: b and abs((b[2] - b[0]) - (b[3] - b[1])) <= 4 and b
        return wait_for(lambda: square(self.js(YELLOW_BOXES)))

    def state(self, field):
        return self.js("return Module.ccall('quorrel_describe', 'string', ['string'], [arguments[0]])",
                       field)

    def tap(self, x, y):  # canvas pixels; the page is at one device pixel per CSS pixel
        actions = ActionBuilder(self.browser, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        actions.pointer_action.move_to_location(int(x), int(y)).pointer_down().pointer_up()
        actions.perform()


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def solve(numbers, target):
    """Three moves (box, operator, box: the result replaces the second box) that reach target,
    every result a whole number of 0 and above."""
    ops = [lambda a, b: a + b, lambda a, b: a - b, lambda a, b: a * b,
           lambda a, b: a // b if b and a % b == 0 else -1]
    def search(values, moves):
        alive = [i for i, v in enumerate(values) if v is not None]
        if len(alive) == 1:
            return moves if values[alive[0]] == target else None
        for i, j in itertools.permutations(alive, 2):
            for o, op in enumerate(ops):
                r = op(values[i], values[j])
                if r >= 0:
                    found = search([None if k == i else r if k == j else v
                                    for k, v in enumerate(values)], moves + [(i, o, j)])
                    if found:
                        return found
    return search(numbers, [])


def main():
    site = Site(sys.argv[1])
    checks = []
    def check(name, ok):
        checks.append(ok)
        print(("pass " if ok else "FAIL ") + name)
    try:
        site.serve(True)
        x0, y0, x1, y1 = site.open()
        check("the title picture shows first, then the board on the canvas", site.js("return window.titleFirst") is True)

        cell = (x1 - x0 + 1) / 3
        col = lambda n: x0 + cell * (n + 0.5)
        row = lambda n: y0 + cell * (n + 0.5)
        boxes = [(col(0), row(1)), (col(1), row(0)), (col(2), row(1)), (col(1), row(2))]
        operators = [(col(0), row(0)), (col(2), row(0)), (col(0), row(2)), (col(2), row(2))]
        numbers = [int(n) for n in site.state("Numbers").split()]
        moves = solve(numbers, int(site.state("TargetValue")))
        for n, (i, o, j) in enumerate(moves):
            site.tap(*boxes[i])
            if n == 0:
                time.sleep(0.3)
                red = site.js(RED_IN, int(boxes[i][0] - cell / 2), int(boxes[i][1] - cell / 2), int(cell), int(cell))
                check("the first number tapped turns red", red > 20)
            site.tap(*operators[o])
            site.tap(*boxes[j])
            time.sleep(0.6)
        check("three taps a move solve the puzzle", wait_for(lambda: site.state("Stats").split()[0] == "1"))

        site.board()
        before = site.js(CANVAS_SUM)
        ActionChains(site.browser).send_keys(Keys.TAB).perform()
        check("Tab moves the focus", wait_for(lambda: site.js(CANVAS_SUM) != before, 5))

        ActionChains(site.browser).key_down(Keys.CONTROL).send_keys("=").key_up(Keys.CONTROL).perform()
        zoomed = wait_for(lambda: (lambda b: b and b[2] - b[0] > x1 - x0 and b)(site.js(YELLOW_BOXES)), 5)
        time.sleep(1)  # the storage is written behind
        again = site.open()
        time.sleep(1)
        check("a reload keeps the zoom chosen", site.js(YELLOW_BOXES)[2] - site.js(YELLOW_BOXES)[0] == zoomed[2] - zoomed[0])

        wait_for(lambda: site.js("return !!navigator.serviceWorker.controller"))
        site.serve(False)
        check("with the server stopped a reload still starts the game", bool(site.open()))

        errors = [e for e in site.browser.get_log("browser") if e["level"] == "SEVERE"]
        for e in errors:
            print("  console: " + e["message"])
        check("no errors in the console", not errors)
    finally:
        site.browser.quit()
        if site.server and site.server.poll() is None:
            site.serve(False)
    print("browser tests: %d of %d pass" % (sum(checks), len(checks)))
    return 0 if checks and all(checks) else 1


if __name__ == "__main__":
    sys.exit(main())
