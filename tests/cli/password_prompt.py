#!/usr/bin/env python3
"""Runs `zemtar-cli ARGS... --ask-password` on a pseudo-terminal, waits for the question, then
either types ANSWER or sends SIGNAL. Prints: echo-while-asking echo-after exit-status output."""
import os
import pty
import signal
import sys
import termios
import time

cli, action, *args = sys.argv[1:]
pid, fd = pty.fork()
if pid == 0:
    os.execv(cli, [cli, *args, "--ask-password"])
out = b""
deadline = time.time() + 10
while b"Radio password: " not in out and time.time() < deadline:
    out += os.read(fd, 200)
time.sleep(0.2)
echo_asking = bool(termios.tcgetattr(fd)[3] & termios.ECHO)
if action.startswith("SIG"):
    os.kill(pid, getattr(signal, action))
else:
    os.write(fd, action.encode() + b"\n")
_, status = os.waitpid(pid, 0)
echo_after = bool(termios.tcgetattr(fd)[3] & termios.ECHO)
try:
    while True:
        chunk = os.read(fd, 4096)
        if not chunk:
            break
        out += chunk
except OSError:
    pass
code = os.WEXITSTATUS(status) if os.WIFEXITED(status) else -os.WTERMSIG(status)
print("echo-asking=%d echo-after=%d exit=%d" % (echo_asking, echo_after, code))
print(out.decode(errors="replace"))
