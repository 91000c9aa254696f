#!/usr/bin/env python3
"""remote_clients.py PORT CODE SECONDS DELAY [CLIENTS]: keeps CLIENTS (2) WebSocket clients of
the web remote open for SECONDS, each reading every state pushed, and sends one command a
second (the Delay set to DELAY, which leaves the speed as it is), from each client in turn.
Prints the states received and the commands sent."""
import json, os, sys, threading, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from websocket_client import WebSocket  # noqa: E402

port, code, seconds, delay = sys.argv[1], sys.argv[2], float(sys.argv[3]), int(sys.argv[4])
count = int(sys.argv[5]) if len(sys.argv) > 5 else 2
clients = [WebSocket(f"ws://127.0.0.1:{port}/ws?code={code}") for _ in range(count)]
received = [0] * count


def read(i):
    try:
        while True:
            clients[i].receive()
            received[i] += 1
    except (ConnectionError, OSError):
        pass


for i in range(count):
    threading.Thread(target=read, args=(i,), daemon=True).start()
end = time.monotonic() + seconds
sent = 0
while time.monotonic() < end:
    clients[sent % count].send(json.dumps({"code": code, "command": "delay", "value": delay}))
    sent += 1
    time.sleep(1)
print(f"states received: {received}, commands sent: {sent}")
