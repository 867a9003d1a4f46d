#!/usr/bin/python3
"""Starts the program on an X server and a D-Bus session of its own and finds
the start button in its accessibility tree over AT-SPI, by the name a screen
reader speaks. Exit 77 (skipped) when Xvfb, D-Bus or pyatspi (a package of
the system Python, hence /usr/bin/python3) are missing.
Usage: start_button_over_atspi.py PROGRAM"""
import os, shutil, subprocess, sys, tempfile, time

if "VORMAK_ATSPI_SESSION" not in os.environ:
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        sys.exit(print("skipped: python3-pyatspi is not installed") or 77)
    if not shutil.which("Xvfb") or not shutil.which("dbus-run-session"):
        sys.exit(print("skipped: Xvfb or dbus-run-session is missing") or 77)
    # Xvfb picks a free display and names it; it must not reset when the AT-SPI
    # bus launcher, its first client, leaves, or the program may find it resetting.
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-noreset", "-displayfd", str(write)], pass_fds=[write],
                            stderr=subprocess.DEVNULL)
    os.close(write)
    display = ":" + os.read(read, 16).decode().strip()
    env = dict(os.environ, VORMAK_ATSPI_SESSION="1", DISPLAY=display)
    run = subprocess.run(["dbus-run-session", "--", sys.executable, __file__, *sys.argv[1:]], env=env)
    # Waited for: a server still shutting down would remove the socket of the
    # next one on the same display.
    xvfb.terminate()
    xvfb.wait()
    sys.exit(run.returncode)

import pyatspi

START = "⑤　検査開始(G)"
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
with tempfile.TemporaryDirectory() as folder:
    program = subprocess.Popen([sys.argv[1]], cwd=folder, env=env)
    try:
        for _ in range(120):
            if program.poll() is not None:
                sys.exit(print(f"the program ended ({program.returncode})") or 1)
            for app in pyatspi.Registry.getDesktop(0):
                found = app and pyatspi.findDescendant(
                    app, lambda a: a.name == START and a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
                if found:
                    sys.exit(print(f"found in {app.name}: {found.name}") or 0)
            time.sleep(0.5)
        sys.exit(print(f"no push button named {START} within a minute") or 1)
    finally:
        program.terminate()
        program.wait()
