#!/usr/bin/env python3
"""Taps a button of the web remote in a headless Chromium over its DevTools protocol.

remote_page.py DEVTOOLS_PORT BUTTON_ID: waits until the page shows a state (its WebSocket is
open), presses and releases the mouse on the button, and prints the state the page then
shows.
"""
import json, os, sys, time, urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from websocket_client import WebSocket  # noqa: E402

port, button = int(sys.argv[1]), sys.argv[2]


def page_socket():
    for _ in range(100):
        try:
            with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list", timeout=2) as r:
                pages = [t for t in json.load(r) if t.get("type") == "page"]
            if pages:
                return pages[0]["webSocketDebuggerUrl"]
        except OSError:
            pass
        time.sleep(0.2)
    sys.exit("no page in the browser")


class DevTools(WebSocket):
    def __init__(self, url):
        super().__init__(url)
        self.next_id = 0

    def call(self, method, **params):
        self.next_id += 1
        self.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.receive())
            if message.get("id") == self.next_id:
                return message.get("result", {})

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        return result.get("result", {}).get("value")


tools = DevTools(page_socket())
state = None
for _ in range(150):
    state = tools.evaluate("document.getElementById('state') && document.getElementById('state').textContent")
    if state and state != "-":
        break
    time.sleep(0.2)
else:
    sys.exit(f"the page shows no state: {state}")
box = tools.call("Runtime.evaluate", returnByValue=True, expression=(
    f"(() => {{ const r = document.getElementById('{button}').getBoundingClientRect();"
    " return [r.x + r.width / 2, r.y + r.height / 2]; })()"))
if "value" not in box.get("result", {}):
    sys.exit(f"no button {button}: {box}")
box = box["result"]["value"]
for kind in ("mousePressed", "mouseReleased"):
    tools.call("Input.dispatchMouseEvent", type=kind, x=box[0], y=box[1], button="left", clickCount=1)
for _ in range(50):
    time.sleep(0.2)
    shown = tools.evaluate("document.getElementById('state').textContent")
    if shown != state:
        break
print(shown)
