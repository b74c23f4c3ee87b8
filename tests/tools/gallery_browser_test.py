"""The gallery page in a real browser: vxgallery writes the page, headless
Chromium opens it from disk, and every image must load (natural width > 0)
with no console error, uncaught exception or failed request.

    gallery_browser_test.py PATH-TO-VXGALLERY

The browser is driven over the DevTools protocol on a pipe (no network port,
no extra packages). Exit status 77 (a skip for CTest) only when no browser
is installed or it cannot start."""

import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(message):
    print(f"SKIPPED: {message}")
    sys.exit(SKIP)


class Browser:
    """Chromium with --remote-debugging-pipe: requests on fd 3, replies and
    events on fd 4, each a JSON text ended by a NUL byte."""

    def __init__(self, binary, profile):
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()
        # The child sees its ends as fds 3 and 4.
        def child_fds():
            reading, writing = os.dup(to_browser_r), os.dup(from_browser_w)
            os.dup2(reading, 3)
            os.dup2(writing, 4)
        self.process = subprocess.Popen(
            [binary, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--no-default-browser-check",
             "--disable-extensions", "--remote-debugging-pipe", f"--user-data-dir={profile}", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            pass_fds=(3, 4, to_browser_r, from_browser_w), preexec_fn=child_fds)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.buffer = b""
        self.next_id = 0
        self.events = []

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        return self.next_id

    def receive(self, deadline):
        """The next message, or None when the deadline passes."""
        while b"\0" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.from_browser], [], [], left)[0]:
                return None
            chunk = os.read(self.from_browser, 1 << 16)
            if not chunk:
                return None
            self.buffer += chunk
        text, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(text)

    def call(self, method, params=None, session=None, timeout=30):
        """Sends a request and returns its result; events met meanwhile are kept."""
        wanted = self.send(method, params, session)
        deadline = time.monotonic() + timeout
        while True:
            message = self.receive(deadline)
            if message is None:
                raise TimeoutError(f"no answer to {method}")
            if message.get("id") == wanted:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})
            self.events.append(message)

    def wait_for_event(self, method, timeout=30):
        deadline = time.monotonic() + timeout
        for event in self.events:
            if event.get("method") == method:
                return event
        while True:
            message = self.receive(deadline)
            if message is None:
                raise TimeoutError(f"no {method} event")
            self.events.append(message)
            if message.get("method") == method:
                return message

    def close(self):
        try:
            self.send("Browser.close")
            self.process.wait(timeout=10)
        except Exception:
            self.process.kill()
            self.process.wait()


def problems_in(events):
    """Console errors, uncaught exceptions and failed loads among the events."""
    found = []
    for event in events:
        method, params = event.get("method"), event.get("params", {})
        if method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
            found.append("console error: " + " ".join(str(a.get("value", a.get("description"))) for a in params["args"]))
        elif method == "Runtime.exceptionThrown":
            found.append("exception: " + params["exceptionDetails"].get("text", ""))
        elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
            entry = params["entry"]
            found.append(f"log error: {entry.get('text')} {entry.get('url', '')}".strip())
        elif method == "Network.loadingFailed":
            found.append(f"failed load: {params.get('errorText')}")
    return found


def main():
    gallery = sys.argv[1]
    binary = next((shutil.which(b) for b in ("chromium", "chromium-browser", "google-chrome") if shutil.which(b)), None)
    if not binary:
        skip("no Chromium found (the test command's set-up installs the Debian package chromium)")
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "out")
        status = subprocess.run([gallery, "--format", "png", out], capture_output=True, text=True)
        if status.returncode != 0:
            print(status.stdout, status.stderr)
            return 1
        page = "file://" + os.path.join(out, "index.html")

        browser = Browser(binary, os.path.join(work, "profile"))
        try:
            try:
                target = browser.call("Target.createTarget", {"url": "about:blank"}, timeout=60)["targetId"]
            except (TimeoutError, RuntimeError, OSError) as e:
                skip(f"{binary} did not start: {e}")
            session = browser.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
            for domain in ("Runtime", "Log", "Network", "Page"):
                browser.call(f"{domain}.enable", session=session)
            browser.call("Page.navigate", {"url": page}, session=session)
            browser.wait_for_event("Page.loadEventFired", timeout=60)
            images = browser.call("Runtime.evaluate", {
                "expression": "JSON.stringify(Array.from(document.images, i => [i.getAttribute('src'), i.complete, i.naturalWidth]))",
                "returnByValue": True}, session=session)["result"]["value"]
            title = browser.call("Runtime.evaluate", {"expression": "document.title", "returnByValue": True},
                                 session=session)["result"]["value"]
            # Let late messages arrive.
            try:
                browser.call("Runtime.evaluate", {"expression": "new Promise(r => setTimeout(r, 200))",
                                                  "awaitPromise": True}, session=session)
            except TimeoutError:
                pass
        finally:
            browser.close()

    images = json.loads(images)
    failures = problems_in(browser.events)
    broken = [src for src, complete, width in images if not complete or width <= 0]
    print(f"page '{title}': {len(images)} images, {len(broken)} broken, {len(failures)} console problems")
    for src in broken:
        print(f"  image did not load: {src}")
    for problem in failures:
        print(f"  {problem}")
    if title != "VXFMXCommon gallery" or len(images) < 20 or broken or failures:
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
