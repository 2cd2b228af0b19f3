"""The site as a visitor meets it: served by a plain static server that adds
no headers (as `python3 -m http.server` serves it), opened in Debian's
headless Chromium through chromium-driver, each browser with a profile of its
own. Shared by tests/web/run and bench/web_page.py.
"""

import base64
import functools
import http.server
import io
import os
import shutil
import socketserver
import tempfile
import threading

CHROMIUM = shutil.which("chromium")
CHROMEDRIVER = shutil.which("chromedriver")
# Headless as root, on a machine with no network and no GPU.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--disable-dev-shm-usage", "--hide-scrollbars", "--mute-audio"]
# The page's script says what it is doing through these.
CANVAS_ID = "show"


def missing_tools():
    """What this needs that the machine lacks, as 'name (Debian package)'."""
    missing = []
    if CHROMIUM is None:
        missing.append("chromium (chromium)")
    if CHROMEDRIVER is None:
        missing.append("chromedriver (chromium-driver)")
    try:
        import selenium  # noqa: F401
    except ImportError:
        missing.append("selenium (python3-selenium)")
    try:
        import PIL  # noqa: F401
    except ImportError:
        missing.append("PIL (python3-pil)")
    return missing


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


class StaticServer:
    """The site's folder on http://127.0.0.1:<free port>/, until stop()."""

    def __init__(self, folder):
        handler = functools.partial(_QuietHandler, directory=folder)
        socketserver.TCPServer.allow_reuse_address = True
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.port = self.server.server_address[1]
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def url(self, query=""):
        return f"http://127.0.0.1:{self.port}/" + (f"?{query}" if query else "")

    def stop(self):
        if self.server:
            self.server.shutdown()
            self.server.server_close()
            self.server = None


class Browser:
    """One headless Chromium with a fresh profile, its console kept."""

    def __init__(self, width, height, scale=1, mobile=False):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp(prefix="quibac-chromium-")
        options = webdriver.ChromeOptions()
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        options.add_argument(f"--user-data-dir={self.profile}")
        options.add_argument(f"--window-size={width},{height}")
        options.add_argument(f"--force-device-scale-factor={scale}")
        options.binary_location = CHROMIUM
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.console = []
        self.resize(width, height, scale, mobile)

    def resize(self, width, height, scale=1, mobile=False):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})

    def open(self, url):
        self.driver.get(url)

    def run(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def take_console(self):
        """Console entries since the last call, each kept in self.console."""
        entries = self.driver.get_log("browser")
        self.console.extend(entries)
        return entries

    def canvas_size(self):
        return tuple(self.run(f"const c = document.getElementById('{CANVAS_ID}'); return [c.width, c.height];"))

    def canvas_png(self):
        """The canvas's pixels as the page drew them, as PNG bytes."""
        url = self.run(f"return document.getElementById('{CANVAS_ID}').toDataURL('image/png');")
        return base64.b64decode(url.split(",", 1)[1])

    def canvas_image(self):
        from PIL import Image
        return Image.open(io.BytesIO(self.canvas_png())).convert("RGB")

    def screenshot(self, path):
        self.driver.save_screenshot(path)

    def pids(self):
        """chromedriver and every process of the browser under it."""
        root = self.driver.service.process.pid
        found, frontier = [root], [root]
        while frontier:
            parent = frontier.pop()
            kids = []
            try:
                threads = os.listdir(f"/proc/{parent}/task")
            except OSError:
                threads = []
            for thread in threads:
                try:
                    with open(f"/proc/{parent}/task/{thread}/children") as children:
                        kids.extend(int(pid) for pid in children.read().split())
                except OSError:
                    pass
            found.extend(kids)
            frontier.extend(kids)
        return found

    def quit(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)


def shows_the_show(image, region=None, least_colours=8):
    """Whether a region of a canvas capture holds artwork: not black, and
    many colours (sampled every 4 pixels)."""
    box = region or (0, 0, image.width, image.height)
    seen = set()
    for y in range(box[1], box[1] + box[3], 4):
        for x in range(box[0], box[0] + box[2], 4):
            seen.add(image.getpixel((x, y)))
    seen.discard((0, 0, 0))
    return len(seen) >= least_colours
