#!/usr/bin/env python3
"""Taps a button of the web remote in a headless Chromium over its DevTools protocol.

remote_page.py DEVTOOLS_PORT BUTTON_ID: waits until the page shows a state (its WebSocket is
open), presses and releases the mouse on the button, and prints the state the page then
shows. A minimal WebSocket client: the standard library has none.
"""
import base64, json, os, socket, struct, sys, time, urllib.request

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


class DevTools:
    def __init__(self, url):
        rest = url.split("://", 1)[1]
        hostport, path = rest.split("/", 1)
        host, p = hostport.split(":")
        self.s = socket.create_connection((host, int(p)), timeout=10)
        key = base64.b64encode(os.urandom(16)).decode()
        self.s.sendall((f"GET /{path} HTTP/1.1\r\nHost: {hostport}\r\nUpgrade: websocket\r\n"
                        f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                        "Sec-WebSocket-Version: 13\r\n\r\n").encode())
        head = b""
        while b"\r\n\r\n" not in head:
            head += self.s.recv(1)
        if b" 101 " not in head.split(b"\r\n")[0]:
            sys.exit("DevTools refused the WebSocket")
        self.next_id = 0

    def _send(self, text):
        data = text.encode()
        mask = os.urandom(4)
        n = len(data)
        head = bytes([0x81]) + (bytes([0x80 | n]) if n < 126 else bytes([0x80 | 126]) + struct.pack(">H", n))
        self.s.sendall(head + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))

    def _read(self, n):
        data = b""
        while len(data) < n:
            chunk = self.s.recv(n - len(data))
            if not chunk:
                sys.exit("DevTools closed")
            data += chunk
        return data

    def _receive(self):
        b0, b1 = self._read(2)
        n = b1 & 0x7F
        if n == 126:
            n = struct.unpack(">H", self._read(2))[0]
        elif n == 127:
            n = struct.unpack(">Q", self._read(8))[0]
        return self._read(n).decode(errors="replace")

    def call(self, method, **params):
        self.next_id += 1
        self._send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self._receive())
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
