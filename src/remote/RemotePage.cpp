#include "remote/RemotePage.h"

namespace {

// The page takes the access code from its own address (?code=...), keeps a WebSocket open for
// the state and the commands, and falls back to POST /api/command while it is closed.
constexpr char kPage[] = R"html(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1, user-scalable=no">
<link rel="icon" href="data:,">
<title>LectoScope-32 Remote</title>
<style>
* { box-sizing: border-box; }
body { margin: 0; padding: 12px; font-family: sans-serif; background: #111; color: #eee;
       user-select: none; -webkit-user-select: none; touch-action: manipulation; }
#status { font-size: 20px; margin-bottom: 8px; }
#status b { text-transform: capitalize; }
#figures { font-size: 15px; color: #bbb; margin-bottom: 12px; line-height: 1.5; }
#link { font-size: 14px; color: #f88; min-height: 1.2em; }
.grid { display: grid; grid-template-columns: 1fr 1fr; gap: 10px; }
button { font-size: 24px; padding: 22px 8px; border: 0; border-radius: 10px;
         background: #2d4f7c; color: #fff; }
button:active { background: #4a7bbd; }
button.wide { grid-column: span 2; }
#play { background: #2c6e3f; }
#stop { background: #8a2b2b; }
</style>
</head>
<body>
<div id="status">State: <b id="state">-</b> &middot; line <span id="line">-</span> of
<span id="count">-</span></div>
<div id="figures">Delay <span id="delay">-</span> &middot; <span id="pps">-</span> px/s<br>
elapsed <span id="elapsed">-</span> &middot; remaining <span id="remaining">-</span></div>
<div class="grid">
<button id="play" data-command="play">Play</button>
<button id="pause" data-command="pause-resume">Pause/Resume</button>
<button data-command="faster">Faster</button>
<button data-command="slower">Slower</button>
<button data-command="much-faster">Much Faster</button>
<button data-command="much-slower">Much Slower</button>
<button id="back">Back (hold)</button>
<button data-command="restart">Restart</button>
<button id="stop" class="wide" data-command="stop">Stop</button>
</div>
<div id="link"></div>
<script>
"use strict";
const code = new URLSearchParams(location.search).get("code") || "";
let socket = null;
function show(id, text) { document.getElementById(id).textContent = text; }
function clock(ms) {
  if (ms === null || ms === undefined) return "-";
  const s = Math.floor(ms / 1000);
  const m = Math.floor(s / 60);
  return m + ":" + String(s % 60).padStart(2, "0");
}
function showState(s) {
  if (s.error) { show("link", s.error); return; }
  show("state", s.state);
  show("line", s.line ? s.line : "-");
  show("count", s.lineCount);
  show("delay", s.delay);
  show("pps", s.pixelsPerSecond === null ? "-" : s.pixelsPerSecond);
  show("elapsed", clock(s.elapsedMs));
  show("remaining", clock(s.remainingMs));
}
function send(command) {
  const text = JSON.stringify({code: code, command: command});
  if (socket && socket.readyState === WebSocket.OPEN) { socket.send(text); return; }
  fetch("/api/command?code=" + encodeURIComponent(code),
        {method: "POST", headers: {"Content-Type": "application/json"}, body: text})
    .then(r => r.json()).then(showState).catch(() => show("link", "Not connected"));
}
function connect() {
  socket = new WebSocket("ws://" + location.host + "/ws?code=" + encodeURIComponent(code));
  socket.onopen = () => show("link", "");
  socket.onmessage = (e) => { try { showState(JSON.parse(e.data)); } catch (x) {} };
  socket.onclose = () => { show("link", "Not connected"); socket = null; setTimeout(connect, 2000); };
}
for (const b of document.querySelectorAll("button[data-command]"))
  b.addEventListener("click", () => send(b.dataset.command));
const back = document.getElementById("back");
let backRepeat = null;
// Back is repeated while held: the program lets go of it when the repeats stop.
back.addEventListener("pointerdown", (e) => {
  e.preventDefault();
  if (backRepeat) return;
  send("back");
  backRepeat = setInterval(() => send("back"), 500);
});
for (const type of ["pointerup", "pointercancel", "pointerleave"])
  back.addEventListener(type, () => {
    if (!backRepeat) return;
    clearInterval(backRepeat);
    backRepeat = null;
    send("back-release");
  });
connect();
</script>
</body>
</html>
)html";

} // namespace

QByteArray remotePageHtml() {
    return QByteArray::fromRawData(kPage, sizeof(kPage) - 1);
}
