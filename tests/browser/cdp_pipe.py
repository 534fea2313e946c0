"""A headless Chromium driven over the DevTools protocol on a pipe (no
network port, no extra Python packages)."""
import json
import os
import shutil
import subprocess
import tempfile


class Browser:
    def __init__(self, exe, width, height):
        to_browser_r, to_browser_w = os.pipe()
        from_browser_r, from_browser_w = os.pipe()
        self.profile = tempfile.mkdtemp(prefix="zorva-chromium-")

        def child_pipes():
            # The browser reads commands on fd 3 and answers on fd 4.
            r, w = os.dup(to_browser_r), os.dup(from_browser_w)
            os.dup2(r, 100)
            os.dup2(w, 101)
            os.dup2(100, 3)
            os.dup2(101, 4)

        self.proc = subprocess.Popen(
            [exe, "--headless", "--no-sandbox", "--disable-gpu", "--remote-debugging-pipe",
             "--user-data-dir=" + self.profile, "--no-first-run", "--hide-scrollbars",
             "--force-device-scale-factor=1", "about:blank"],
            preexec_fn=child_pipes, close_fds=False,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.out = os.fdopen(to_browser_w, "wb")
        self.inp = os.fdopen(from_browser_r, "rb")
        self.pending = b""
        self.last_id = 0
        self.events = []
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.session = self.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        self.page("Page.enable")
        self.resize(width, height)

    def close(self):
        try:
            self.call("Browser.close")
        except (RuntimeError, OSError):
            pass
        try:
            self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    def _message(self):
        while b"\0" not in self.pending:
            chunk = self.inp.read1(1 << 20)
            if not chunk:
                raise RuntimeError("the browser went away")
            self.pending += chunk
        text, _, self.pending = self.pending.partition(b"\0")
        return json.loads(text)

    def call(self, method, session=None, **params):
        self.last_id += 1
        message = {"id": self.last_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        self.out.write(json.dumps(message).encode() + b"\0")
        self.out.flush()
        while True:
            m = self._message()
            if m.get("id") == self.last_id:
                if "error" in m:
                    raise RuntimeError(f"{method}: {m['error']}")
                return m["result"]
            self.events.append(m)

    def page(self, method, **params):
        return self.call(method, self.session, **params)

    def wait_event(self, name):
        for i, e in enumerate(self.events):
            if e.get("method") == name:
                return self.events.pop(i)
        while True:
            m = self._message()
            if m.get("method") == name:
                return m
            self.events.append(m)

    def resize(self, width, height):
        self.page("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=1, mobile=False)

    def open(self, path):
        self.events.clear()
        self.page("Page.navigate", url="file://" + os.path.abspath(path))
        self.wait_event("Page.loadEventFired")

    def eval(self, expression):
        r = self.page("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in r:
            raise RuntimeError(f"script failed: {r['exceptionDetails']}")
        return r["result"].get("value")

    def key(self, name, code, shift=False):
        mods = 8 if shift else 0
        for kind in ("rawKeyDown", "keyUp"):
            self.page("Input.dispatchKeyEvent", type=kind, key=name, code=code,
                      windowsVirtualKeyCode=9 if name == "Tab" else 0, modifiers=mods)

    def screenshot(self, path):
        import base64
        data = self.page("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))
