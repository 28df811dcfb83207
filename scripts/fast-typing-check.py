#!/usr/bin/env python3
"""A dealer's session at full speed, checked: under its own Xvfb and openbox, reads a simulated
radio whose channels 21-28 carry names of 8 characters, types a plan of 20 channels (Rx, Tx,
tones, names, a choice in every list column) as fast as xdotool can type, passes through the
8-character name cells with Enter, saves with Ctrl+S, and compares `zemtar-cli dump` of the
saved file with the plan. Screenshots of each step are kept in the run folder.

Usage: scripts/fast-typing-check.py WIDTHxHEIGHT English|Chinese DISPLAY_NUMBER [WORK_DIR]
Needs Xvfb, openbox, xdotool, ImageMagick's import and a build in build/. Exit status 0
when the file holds exactly the plan."""
import os, pathlib, shutil, subprocess, sys, time

B = pathlib.Path(__file__).resolve().parent.parent / "build" / "bin"
res, lang, disp = sys.argv[1], sys.argv[2], sys.argv[3]
W = pathlib.Path(sys.argv[4] if len(sys.argv) > 4 else "/tmp/zemtar-fast-typing")
run = W / f"run-{res}-{lang}"
shutil.rmtree(run, ignore_errors=True)
run.mkdir(parents=True)
env = dict(os.environ, DISPLAY=f":{disp}", XDG_CONFIG_HOME=str(run / "cfg"), HOME=str(run))
procs = []


def start(args, **kw):
    p = subprocess.Popen(args, stdout=open(run / (pathlib.Path(args[0]).name + ".out"), "w"),
                         stderr=subprocess.STDOUT, env=env, **kw)
    procs.append(p)
    return p


def xdo(*args):
    subprocess.run(["xdotool", *args], env=env, check=True)


def shot(name):
    subprocess.run(["import", "-window", "root", str(run / f"{name}.png")], env=env, check=True)


NAMES = {".": "period", " ": "space", "-": "minus", "\r": "Return"}


def keys(text):
    return [NAMES.get(c, c) for c in text]


# The plan: what is typed, and what the dump must show for it.
TONES = ["67.0", "71.9", "88.5", "100.0", "d023n", "123.0", "151.4", "d025n"]
PTT = ["Off", "BOT", "EOT", "Both"]
BUSY = ["Off", "Carrier Only", "QT/DQT"]
SIGNAL = ["None", "MSK", "DTMF", "2-Tone"]
plan, typed = {}, []
for r in range(1, 21):
    rx, tx = 144.0 + 0.025 * r, 144.5 + 0.0125 * r
    dec, enc = TONES[r % 8], TONES[(r + 3) % 8]
    name = f"Ch {r:02d}-a"  # 7 characters, the most a name edit takes from the keyboard
    typed += keys(f"{rx:.3f}\r{tx:.4f}\r{dec}\r{enc}\r{name}\r")
    typed += (["Up"] if r % 2 else []) + ["Return"]  # power: High, Up gives Low
    typed += (["Down"] if r % 3 == 0 else []) + ["Return"]  # W/N
    typed += (["Down"] if r % 4 == 0 else []) + ["Return"]  # scan
    typed += ["Down"] * (r % 4) + ["Return"]  # PTT ID
    typed += ["Down"] * (r % 3) + ["Return"]  # busy lock
    typed += ["Down"] * (r % 4) + ["Return"]  # optional signal
    plan[r] = [f"{rx:.5f}", f"{tx:.5f}", dec.upper() if dec.startswith("d") else dec,
               enc.upper() if enc.startswith("d") else enc, name, "Low" if r % 2 else "High",
               "Narrow" if r % 3 == 0 else "Wide", "No" if r % 4 == 0 else "Yes", PTT[r % 4], BUSY[r % 3],
               SIGNAL[r % 4]]
for r in range(21, 29):
    f = f"144.{(r - 20) * 100:03d}00"
    plan[r] = [f, f, "None", "None", f"REPEAT{r}", "High", "Wide", "Yes", "Off", "Off", "None"]

# The radio: a new data file with channels 21-28 set by zemtar-cli, names of 8 included.
radio = run / "radio.dat"
subprocess.run([str(B / "zemtar-cli"), "new", str(radio)], check=True, stdout=subprocess.DEVNULL, env=env)
header = "CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tChnnel Name\tPower\t W/N \tScan Add\tPTT ID\t" \
         "Busy Lock\tOpt Signal\n"
table = header + "".join(f"{r}\t" + "\t".join(plan[r]) + "\n" for r in range(21, 29))
subprocess.run([str(B / "zemtar-cli"), "import", str(radio), "-"], input=table, text=True, check=True,
               stdout=subprocess.DEVNULL, env=env)

try:
    start(["Xvfb", f":{disp}", "-screen", "0", f"{res}x24"])
    time.sleep(1.5)
    start(["openbox"])
    time.sleep(1)
    start([str(B / "zemtar-radiosim"), "--from-dat", str(radio), "--link", str(run / "com1"),
           "--band", "144-145"])
    time.sleep(1)
    (run / "cfg/zemtar").mkdir(parents=True, exist_ok=True)
    setup = (B / "Setup.ini").read_text(encoding="utf-8").splitlines()
    setup = [f"com1={run / 'com1'}" if l.startswith("com1=") else
             f"Language={lang}" if l.startswith("Language=") else l for l in setup]
    (run / "cfg/zemtar/Setup.ini").write_text("\n".join(setup) + "\n", encoding="utf-8")
    start([str(B / "zemtar")], cwd=str(B))
    time.sleep(5)
    shot("1-started")
    xdo("key", "ctrl+r")
    time.sleep(1.5)
    xdo("key", "Return")  # Start
    time.sleep(6)
    shot("2-read")
    y = lambda row: 106 + 22 * (row - 1)
    xdo("mousemove", "280", str(y(1)), "click", "1")
    time.sleep(0.5)
    t0 = time.time()
    xdo("key", "--delay", "0", *typed)
    typing = time.time() - t0
    time.sleep(2)
    shot("3-typed")
    xdo("key", "Escape")
    for row in range(21, 29):  # the names of 8 read from the radio, passed through with Enter
        xdo("mousemove", "652", str(y(row)), "click", "1")
        time.sleep(0.3)
        if row == 21:
            shot("4-name-editor")
        xdo("key", "Return")
        time.sleep(0.2)
    shot("5-names-passed")
    xdo("key", "ctrl+s")
    time.sleep(2)
    shot("6-save-dialog")
    xdo("key", "ctrl+a")
    xdo("type", "--delay", "5", str(run / "plan.dat"))
    xdo("key", "Return")
    time.sleep(2)
    shot("7-saved")
    dump = subprocess.run([str(B / "zemtar-cli"), "dump", str(run / "plan.dat")], capture_output=True,
                          text=True, env=env).stdout.splitlines()
    bad = 0
    for line in dump[1:]:
        f = line.split("\t")
        row = int(f[0]) if f[0].isdigit() else 129
        want = plan.get(row, [""] * 11)
        if [x.strip() for x in f[1:12]] != want:
            bad += 1
            print(f"row {f[0]}: dump {f[1:12]}\n        plan {want}")
    print(f"{res} {lang}: {len(typed)} keys typed in {typing:.2f} s; "
          f"{sum(1 for l in dump[1:] if l.split(chr(9))[1])} channels in the file; "
          f"{bad} rows differ from the plan")
    sys.exit(1 if bad else 0)
finally:
    for p in reversed(procs):
        p.terminate()
        try:
            p.wait(5)
        except subprocess.TimeoutExpired:
            p.kill()
