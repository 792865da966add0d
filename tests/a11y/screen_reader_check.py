"""Reads the program as a screen reader does, over AT-SPI, from start-up to a marked answer.

Runs inside a session bus of its own (screen_reader_check.sh starts it): a virtual display,
the accessibility bus, then the program in a fresh folder seeded with the starter lists. It
finds the main window, reads every row of the catalogue and compares it with the list files,
starts a practice over the first cation and anion, types an answer, and reads the verdict back,
checking that the verdict was also announced as an event.

Exit status: 0 passed, 1 failed, 77 skipped (the accessibility stack cannot start here).
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

MAIN_WINDOW = "Symbols and Charges Practice"
RANGE_DIALOG = "Highest Cation and Anion"
SKIP = 77


class Failure(Exception):
    pass


class Skip(Exception):
    pass


def wait_for(what, probe, timeout=15.0, pump=None):
    """Polls probe() until it returns something true; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        if pump:
            pump()
        try:
            found = probe()
        except Exception:  # an object that went away while it was read: ask again
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def read_list(path):
    """The entries of a list file: (name, symbol, charge), 39-byte records after a count."""
    data = open(path, "rb").read()
    (count,) = struct.unpack_from("<I", data, 0)
    entries = []
    for i in range(count):
        record = data[4 + 39 * i: 4 + 39 * (i + 1)]
        name = record[0:20].split(b"\0")[0].decode("latin-1")
        symbol = record[20:35].split(b"\0")[0].decode("latin-1")
        (charge,) = struct.unpack_from("<i", record, 35)
        entries.append((name, symbol, charge))
    return entries


def expected_rows(cations, anions):
    """The catalogue's lines as the view draws them, three columns each."""
    headings = ["Name:", "Symbol:", "Charge:"]
    rows = [["Cations:", "", ""], headings]
    rows += [["%d.  %s" % (i, n), s, "%d+" % c] for i, (n, s, c) in enumerate(cations, 1)]
    rows += [["", "", ""], ["Anions:", "", ""], headings]
    rows += [["%d.  %s" % (i, n), s, "%d-" % c] for i, (n, s, c) in enumerate(anions, 1)]
    return rows


def start_display():
    read_end, write_end = os.pipe()
    try:
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except OSError as error:
        raise Skip("Xvfb cannot start: %s" % error)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 15
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip():
        server.kill()
        raise Skip("Xvfb did not start a display")
    return server, ":" + number.decode().strip()


def start_accessibility_bus():
    try:
        launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except OSError as error:
        raise Skip("the accessibility bus launcher cannot start: %s" % error)
    # Asked whether the name is owned, the bus does not start a launcher of its own.
    ask = ["dbus-send", "--session", "--dest=org.freedesktop.DBus", "--print-reply",
           "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"]
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline:
        if launcher.poll() is not None:
            raise Skip("the accessibility bus launcher ended at once (status %d)" % launcher.returncode)
        answer = subprocess.run(ask, capture_output=True, text=True)
        if answer.returncode == 0 and "boolean true" in answer.stdout:
            return launcher
        time.sleep(0.1)
    launcher.kill()
    raise Skip("the accessibility bus did not come up")


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def descendants(node, wanted, into_tables=False):
    """Every object under node that wanted() accepts, tables' cells left out unless asked."""
    found = []
    queue = [node]
    while queue:
        current = queue.pop(0)
        for child in children(current):
            if child is None:
                continue
            if wanted(child):
                found.append(child)
            if into_tables or child.getRoleName() != "table":
                queue.append(child)
    return found


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def window_id(title):
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                            capture_output=True, text=True)
    ids = result.stdout.split()
    return ids[-1] if ids else None


def keys(title, *xdotool_args):
    """Gives the window the keyboard (there is no window manager) and sends it keys."""
    window = wait_for("the window '%s' on the display" % title, lambda: window_id(title))
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    subprocess.run(["xdotool"] + list(xdotool_args), check=True)


def check(program, data):
    display, display_name = start_display()
    launcher = None
    app_process = None
    folder = tempfile.mkdtemp(prefix="valkora-a11y-")
    try:
        launcher = start_accessibility_bus()
        os.environ["DISPLAY"] = display_name
        # The client library ends the process outright when it cannot reach the bus, so the
        # first contact is made in a process of its own.
        try:
            probe = subprocess.run(
                [sys.executable, "-c", "import pyatspi; pyatspi.Registry.getDesktop(0).childCount"],
                capture_output=True, text=True, timeout=30)
        except subprocess.TimeoutExpired:
            raise Skip("AT-SPI did not answer within 30 s")
        if probe.returncode != 0:
            reason = (probe.stderr.strip().splitlines() or ["status %d" % probe.returncode])[-1]
            raise Skip("AT-SPI cannot be reached: %s" % reason)
        try:
            import pyatspi
            from gi.repository import GLib
            desktop = pyatspi.Registry.getDesktop(0)
            desktop.childCount
        except Exception as error:
            raise Skip("AT-SPI cannot be reached: %s" % error)

        for name in ("valkora.cat", "valkora.ani", "valkora.hed"):
            shutil.copy(os.path.join(data, name), folder)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        app_process = subprocess.Popen([program], cwd=folder, env=environment,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def main_window():
            if app_process.poll() is not None:
                raise Failure("the program ended with status %d" % app_process.returncode)
            for app in children(desktop):
                for window in children(app) if app is not None else []:
                    if window is not None and window.name == MAIN_WINDOW:
                        return app, window
            return None

        # Start-up shows the splash for about three seconds first.
        app, frame = wait_for("the main window on the accessibility bus", main_window, timeout=30)

        # The catalogue, row by row, against the list files.
        table = wait_for("the catalogue table", lambda: descendants(
            frame, lambda n: n.getRoleName() == "table"))[0]
        cells = table.queryTable()
        rows = [[cells.getAccessibleAt(r, c).name for c in range(cells.nColumns)]
                for r in range(cells.nRows)]
        cations = read_list(os.path.join(folder, "valkora.cat"))
        anions = read_list(os.path.join(folder, "valkora.ani"))
        wanted_rows = expected_rows(cations, anions)
        if rows != wanted_rows:
            for number, (got, wanted) in enumerate(zip(rows, wanted_rows)):
                if got != wanted:
                    raise Failure("catalogue row %d reads %r, not %r" % (number, got, wanted))
            raise Failure("the catalogue has %d rows, not %d" % (len(rows), len(wanted_rows)))
        print("catalogue: %d rows read, as the list files hold them" % len(rows))

        # Practice (Alt+P), over the first cation and the first anion.
        keys(MAIN_WINDOW, "key", "alt+p")

        def range_dialog():
            for window in children(app):
                if window is not None and window.name == RANGE_DIALOG:
                    return window
            return None

        dialog = wait_for("the dialog '%s'" % RANGE_DIALOG, range_dialog)
        for label in ("Highest Cation #:", "Highest Anion #:"):
            fields = descendants(dialog, lambda n, label=label: n.name == label
                                 and n.getRoleName() in ("text", "entry"))
            if not fields:
                raise Failure("the range dialog has no field named %r" % label)
            fields[0].queryEditableText().setTextContents("1")
        ok = descendants(dialog, lambda n: n.getRoleName() == "push button" and n.name == "OK")
        if not ok:
            raise Failure("the range dialog has no button named 'OK'")
        ok[0].queryAction().doAction(0)

        def answer_field():
            found = descendants(frame, lambda n: n.getRoleName() in ("text", "entry")
                                and n.name == "Name the following compound:")
            return found[0] if found else None

        answer = wait_for("the practice's answer field", answer_field)
        parts = children(answer.parent)
        roles = [part.getRoleName() for part in parts]
        if roles[:4] != ["status bar", "label", "label", roles[3]] or parts[3] != answer:
            raise Failure("the practice view reads as %r" % roles)
        verdict, question, compound = parts[0], parts[1], parts[2]
        print("practice: %r %r" % (text_of(question), text_of(compound)))
        if text_of(verdict) != "":
            raise Failure("a verdict before any answer: %r" % text_of(verdict))

        announced = []

        def heard(event):
            if event.source == verdict:
                announced.append(event.type)

        pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")

        def pump():
            while GLib.MainContext.default().iteration(False):
                pass

        # The first question asks for the name of the first cation with the first anion.
        name = cations[0][0] + " " + anions[0][0]
        keys(MAIN_WINDOW, "type", "--delay", "20", name)
        wait_for("the typed answer %r" % name, lambda: text_of(answer) == name)
        keys(MAIN_WINDOW, "key", "Return")
        said = wait_for("a verdict", lambda: text_of(verdict), pump=pump)
        if said != "You are correct!!":
            raise Failure("the verdict on %r reads %r" % (name, said))
        wait_for("the verdict's announcement", lambda: announced, pump=pump, timeout=10)
        print("verdict: %r, announced" % said)

        # A wrong formula: the verdict names the compound, the answer given and the right one,
        # and the feedback says why it is wrong: the anion was written first.
        announced.clear()
        wrong = anions[0][1] + cations[0][1]  # ClNa for NaCl
        keys(MAIN_WINDOW, "type", "--delay", "20", wrong)
        keys(MAIN_WINDOW, "key", "Return")
        said = wait_for("the second verdict", lambda: text_of(verdict) != "You are correct!!"
                        and text_of(verdict), pump=pump)
        lines = said.split("\n")
        if len(lines) != 4 or lines[0] != "You are incorrect!!  " + name \
                or lines[1] != "Your answer: " + wrong or not lines[2].startswith("Correct answer: ") \
                or not lines[3].startswith("Write the cation %s first" % cations[0][1]):
            raise Failure("the verdict on a wrong formula reads %r" % said)
        wait_for("the second verdict's announcement", lambda: announced, pump=pump, timeout=10)
        print("verdict: %r, announced" % said)
        pyatspi.Registry.deregisterEventListener(heard, "object:property-change:accessible-name")

        # Exit (Alt+X) takes the accessible objects down with the views, the bus still listening.
        keys(MAIN_WINDOW, "key", "alt+x")
        try:
            status = app_process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end on Exit")
        if status != 0:
            raise Failure("the program ended with status %d on Exit" % status)
    finally:
        for process in (app_process, launcher, display):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    if len(sys.argv) != 3:
        print("usage: screen_reader_check.py PROGRAM DATA_FOLDER", file=sys.stderr)
        return 2
    started = time.monotonic()
    try:
        check(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
    except Skip as reason:
        print("SKIPPED: %s" % reason)
        return SKIP
    except Failure as failure:
        print("FAILED: %s" % failure)
        return 1
    print("passed in %.1f s" % (time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
