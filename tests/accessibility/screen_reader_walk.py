#!/usr/bin/python3
"""Walks what a screen reader sees of the running program: home, the game menu and each game.

Runs the program under its own X server and accessibility bus, presses through it with the screen
reader's own "press" action, and fails on any focusable or clickable control without a name, or when
the 28 subjects and the games are not all named.

    screen_reader_walk.py PROGRAM SOURCE_DIR
Exit 0: all named; 1: a fault (listed); 77: the accessibility tools are not installed (skipped).
"""
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

SKIP = 77
WAIT = 20  # seconds for a screen to appear
SUBJECT = "farm animals"
WORDS = ["cat", "cow", "dog", "duck", "goat", "hen", "horse", "pig", "sheep"]


def table(paths, pattern):
    """The names a table in the source gives (its rows may live in the header or the source file)."""
    text = ""
    for path in paths:
        if os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                text += f.read()
    return re.findall(pattern, text)


def png(path, hue):
    """A small plain picture, enough for a game to deal."""
    w, h = 64, 48
    r, g, b = (hue * 47) % 256, (hue * 91) % 256, (hue * 137) % 256
    rows = b"".join(b"\0" + bytes([r, g, b]) * w for _ in range(h))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def outer(program, source):
    """Starts a private session bus and runs the walk inside it."""
    missing = [t for t in ("Xvfb", "dbus-run-session") if not shutil.which(t)]
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        missing.append("at-spi2-core")
    if subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"], capture_output=True).returncode:
        missing.append("python3-pyatspi")
    if missing:
        print("screen reader walk skipped, not installed:", ", ".join(missing))
        return SKIP
    try:
        return subprocess.run(["dbus-run-session", "--", "/usr/bin/python3", __file__, "--inner", program, source],
                              timeout=240).returncode
    except subprocess.TimeoutExpired:
        print("FAIL: the walk took longer than four minutes")
        return 1


def start_x():
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        got = os.read(read, 16)
        if not got:
            break
        number += got
    os.close(read)
    return xvfb, ":" + number.decode().strip()


def inner(program, source):
    import pyatspi

    src = lambda *names: [os.path.join(source, "src", n) for n in names]
    subjects = table(src("catalogue/HomeSubjects.cpp", "catalogue/HomeSubjects.h"), r'(?m)^\s+\{"[^"]+", "([^"]+)", \{')
    games = table(src("app/GameList.h", "app/GameList.cpp"), r'\{\s*\d+,\s*"[^"]+",\s*"[^"]+",\s*"([^"]+)"')
    if len(subjects) != 28 or len(games) < 6:
        print("FAIL: read %d subjects and %d games from the source tables" % (len(subjects), len(games)))
        return 1
    root = tempfile.mkdtemp(prefix="lexikite-walk-")
    folder = os.path.join(root, "program")
    os.makedirs(os.path.join(folder, "files", SUBJECT))
    shutil.copy2(program, os.path.join(folder, "lexikite"))
    for i, word in enumerate(WORDS):
        png(os.path.join(folder, "files", SUBJECT, word + ".edi"), i + 1)

    xvfb, display = start_x()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1", HOME=root, XDG_CONFIG_HOME=os.path.join(root, "config"),
               XDG_DATA_HOME=os.path.join(root, "data"), LEXIKITE_SPLASH_MS="0", SDL_AUDIODRIVER="dummy",
               LEXIKITE_WEB_BASE="http://127.0.0.1:9/", ASAN_OPTIONS="detect_leaks=0")
    log = open(os.path.join(root, "program.log"), "w")
    app = subprocess.Popen([os.path.join(folder, "lexikite")], env=env, stdout=log, stderr=log)
    faults = []
    try:
        faults = walk(pyatspi, subjects, games)
    except Exception as e:  # a screen that never came is a fault, not a crash of the check
        faults.append("walk stopped: %s" % e)
    finally:
        app.send_signal(signal.SIGTERM)
        try:
            app.wait(10)
        except subprocess.TimeoutExpired:
            app.kill()
        xvfb.terminate()
        xvfb.wait()
        log.close()
    if faults:
        with open(os.path.join(root, "program.log")) as f:
            tail = f.read()[-3000:]
        print("FAIL\n  " + "\n  ".join(faults) + "\n--- program log ---\n" + tail)
    shutil.rmtree(root, ignore_errors=True)
    return 1 if faults else 0


def walk(pyatspi, subjects, games):
    def showing(obj):
        return obj.getState().contains(pyatspi.STATE_SHOWING)

    def actions(obj):
        try:
            a = obj.queryAction()
            return [a.getName(i) for i in range(a.nActions)]
        except NotImplementedError:
            return []

    def controls(top):
        """Every showing object under top: (role, name, focusable, clickable, object)."""
        found, stack = [], [top]
        while stack:
            obj = stack.pop()
            if obj is None or not showing(obj):
                continue
            acts = actions(obj)
            clickable = any(a.lower() in ("press", "click", "activate") for a in acts)
            focusable = obj.getState().contains(pyatspi.STATE_FOCUSABLE)
            found.append((obj.getRoleName(), (obj.name or "").strip(), focusable, clickable, obj))
            stack.extend(obj.getChildAtIndex(i) for i in range(obj.childCount))
        return found

    def application():
        deadline = time.time() + WAIT
        while time.time() < deadline:
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                a = desktop.getChildAtIndex(i)
                if a is not None and (a.name or "").lower().startswith("lexikite") and a.childCount:
                    return a
            time.sleep(0.5)
        raise RuntimeError("the program never showed itself on the accessibility bus")

    def wait_for(app, names, what):
        """The buttons named so once they are all showing."""
        deadline = time.time() + WAIT
        while True:
            buttons = {n: o for r, n, f, c, o in controls(app) if c}
            if all(n in buttons for n in names):
                return buttons
            if time.time() > deadline:
                raise RuntimeError("%s never showed %s" % (what, sorted(set(names) - set(buttons))))
            time.sleep(0.5)

    def press(obj):
        a = obj.queryAction()
        for i in range(a.nActions):
            if a.getName(i).lower() == "press":
                a.doAction(i)
                return
        raise RuntimeError("%s cannot be pressed" % obj.name)

    faults = []

    def check(app, screen):
        seen = controls(app)
        unnamed = [(r, f, c) for r, n, f, c, o in seen if (f or c) and not n]
        for role, f, c in unnamed:
            faults.append("%s: a %s%s%s without a name" % (screen, role, " focusable" if f else "",
                                                          " clickable" if c else ""))
        if os.environ.get("LEXIKITE_WALK_VERBOSE"):
            for r, n, f, c, o in seen:
                print("    %-14s %-40r%s%s" % (r, n, " focusable" if f else "", " clickable" if c else ""))
        named = sum(1 for r, n, f, c, o in seen if (f or c) and n)
        print("%-22s %3d objects, %3d controls named, %d unnamed" % (screen, len(seen), named, len(unnamed)))

    app = application()
    deadline = time.time() + WAIT
    while not any(r == "frame" for r, n, f, c, o in controls(app)):
        if time.time() > deadline:
            raise RuntimeError("the main window never showed")
        time.sleep(0.5)
    time.sleep(1.5)
    check(app, "home")
    buttons = wait_for(app, subjects, "home")
    print("home names the %d subjects" % len(subjects))
    press(buttons[SUBJECT])
    buttons = wait_for(app, games, "the game menu")
    check(app, "game menu")
    print("the game menu names the %d games" % len(games))
    for game in games:
        press(buttons[game])
        back = wait_for(app, ["Back to the games"], game)
        time.sleep(2)  # the cards are dealt and turned up one by one
        check(app, game)
        press(back["Back to the games"])
        buttons = wait_for(app, games, "the game menu after " + game)
    return faults


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--inner":
        sys.exit(inner(sys.argv[2], sys.argv[3]))
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(outer(sys.argv[1], sys.argv[2]))
