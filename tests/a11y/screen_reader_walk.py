#!/usr/bin/python3
# Starts talvo under Xvfb with a private D-Bus session and the AT-SPI bus, opens its windows
# through the program's own menu commands and walks the accessibility tree as a screen reader
# does. Fails on any focusable, showing control that a screen reader would announce without a
# name, in every language of the Language menu, and on names that do not follow a language
# switch (after a switch, every name equals the one a start in that language shows).
#
# usage: screen_reader_walk.py PROGRAM [--report FILE]
# Exit status: 0 pass, 1 fail, 77 when the AT-SPI tools are not installed.
import argparse
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77
# Every wait polls against this ceiling; a busy machine only makes the walk slower.
CEILING = float(os.environ.get("TALVO_A11Y_CEILING", "180"))
BUS_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
# The Language menu's first two entries, as the program shows them in English.
LANGUAGE_ENTRIES = ("Chinese(C)", "English(E)")


def missing_tools():
    missing = [t for t in ("Xvfb", "dbus-run-session", "xdotool") if not shutil.which(t)]
    if not any(os.access(p, os.X_OK) for p in BUS_LAUNCHERS):
        missing.append("at-spi-bus-launcher")
    try:
        import gi  # noqa: F401

        gi.require_version("Atspi", "2.0")
        import pyatspi  # noqa: F401
    except (ImportError, ValueError):
        missing.append("pyatspi")
    return missing


def x_server_answers(display):
    with socket.socket(socket.AF_UNIX) as s:
        return s.connect_ex(f"/tmp/.X11-unix/X{display[1:]}") == 0


def start_x_server(log):
    """Xvfb on the first display number nobody holds. It never resets, so the probe that sees
    it answer does not make it drop the next client."""
    for number in range(90, 300):
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        display = f":{number}"
        xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-noreset",
                                 "-nolisten", "tcp"], stdout=log, stderr=log)
        if poll("the X server", lambda: xvfb.poll() is not None or x_server_answers(display)):
            if xvfb.poll() is None:
                return xvfb, display
    raise WalkError("no free X display")


def poll(what, probe, ceiling=CEILING):
    """Returns probe()'s first true value; fails the walk when the ceiling passes first."""
    end = time.monotonic() + ceiling
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise WalkError(f"gave up waiting for {what}")
        time.sleep(0.2)


def trace(text):
    if os.environ.get("TALVO_A11Y_VERBOSE"):
        print(f"{time.monotonic():10.1f} {text}", file=sys.stderr, flush=True)


class WalkError(Exception):
    pass


# ---------------------------------------------------------------------------------------------
# The tree as a screen reader reads it.


def safe(call, default=None):
    try:
        return call()
    except Exception:  # an object that went away while being read
        return default


def children(node):
    count = safe(lambda: node.childCount, 0) or 0
    for i in range(count):
        child = safe(lambda: node.getChildAtIndex(i))
        if child is not None:
            yield i, child


def spoken_name(node, role):
    """What a screen reader announces as the control's name: its own labels (a caption whose
    buddy it is), else its name. A combo box's name is its current entry, so only a label names
    it; a group box that labels every field inside names none of them."""
    import pyatspi

    labels = []
    for relation in safe(node.getRelationSet, []) or []:
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for k in range(relation.getNTargets()):
            target = relation.getTarget(k)
            if safe(target.getRoleName) in ("panel", "grouping", "frame", "dialog"):
                continue
            text = (safe(lambda: target.name) or "").strip()
            if text:
                labels.append(text)
    if labels:
        return " ".join(labels)
    name = (safe(lambda: node.name) or "").strip()
    if role == "combo box" and name in combo_entries(node):
        return ""  # the entry shown, not a name
    return name


def combo_entries(node):
    entries = {""}
    for _, child in children(node):
        if safe(child.getRoleName) == "list":
            entries.update((safe(lambda: e.name) or "").strip() for _, e in children(child))
        elif safe(child.getRoleName) == "text":
            entries.add((safe(lambda: child.queryText().getText(0, -1)) or "").strip())
    return entries


# Views whose entries are data: the view and its column headers carry the names a screen reader
# reads with an entry.
DATA_VIEWS = {"table", "tree table", "list", "tree"}
# Controls a person operates even where the keyboard does not stop (tool-bar buttons).
CONTROLS = {"push button", "toggle button", "check box", "radio button", "combo box", "table",
            "text", "spin button", "slider", "page tab", "list", "tree", "tree table"}


class Control:
    def __init__(self, window, path, role, name):
        self.window, self.path, self.role, self.name = window, path, role, name

    def key(self):
        return (self.path, self.role)

    def __repr__(self):
        return f"[{self.role}] {self.name!r} in {self.window!r} at {'/'.join(map(str, self.path))}"


def walk(root, window_name):
    """Every control of `root` a person could reach: showing ones, and the entries of the menus
    (reached by opening them)."""
    import pyatspi

    found = []

    def visit(node, path, window, in_menu, holder):
        role = safe(node.getRoleName)
        states = safe(node.getState)
        if role is None or states is None:
            return
        if role in ("frame", "dialog", "alert", "internal frame") and path:
            window = safe(lambda: node.name) or window
        showing = states.contains(pyatspi.STATE_SHOWING)
        menu_entry = in_menu and role in ("menu item", "menu", "popup menu", "check menu item",
                                          "radio menu item")
        if not showing and not menu_entry:
            return
        if role == "separator":
            return
        name = spoken_name(node, role)
        if holder is not None and not name and role != "list item":
            # A combo box's own field and its list are announced with the combo box's name; an
            # entry of the list only by its own words.
            name = holder
        if (states.contains(pyatspi.STATE_FOCUSABLE) or role in CONTROLS or
                (menu_entry and role != "popup menu")):
            found.append(Control(window, path, role, name))
        if role in DATA_VIEWS:
            for i, child in children(node):
                if safe(child.getRoleName) == "table column header":
                    found.append(Control(window, path + (i,), "table column header",
                                         (safe(lambda: child.name) or "").strip()))
            return
        inner = name if role == "combo box" else holder
        for i, child in children(node):
            visit(child, path + (i,), window, in_menu or role == "menu bar", inner)

    visit(root, (), window_name, False, None)
    return found


# ---------------------------------------------------------------------------------------------
# One run of the program.


class Program:
    def __init__(self, args, env, registry):
        self.registry = registry
        self.process = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)
        self.app = poll("the program on the accessibility bus", self._find_app)
        self.frame = poll("the main window", self._main_frame)

    def _find_app(self):
        if self.process.poll() is not None:
            raise WalkError(f"the program ended at start: {self.process.stderr.read().decode()}")
        desktop = self.registry.getDesktop(0)
        for _, app in children(desktop):
            if safe(app.get_process_id) == self.process.pid:
                return app
        return None

    def top_windows(self):
        import pyatspi

        shown = []
        for _, w in children(self.app):
            states = safe(w.getState)
            if states is not None and states.contains(pyatspi.STATE_SHOWING):
                shown.append(w)
        return shown

    def _main_frame(self):
        windows = [w for w in self.top_windows() if safe(w.getRoleName) == "frame"]
        return windows[0] if windows else None

    def title(self):
        return safe(lambda: self.frame.name) or ""

    def menu(self, index):
        """The entries of menu `index`; waits while the bus has not (yet) shown the menu bar or
        the menu, as it may not for a moment while windows come and go."""
        def entries():
            bar = next((c for _, c in children(self.frame)
                        if safe(c.getRoleName) == "menu bar"), None)
            entry = safe(lambda: bar.getChildAtIndex(index)) if bar else None
            popup = next((c for _, c in children(entry)
                          if safe(c.getRoleName) in ("menu", "popup menu")), None) if entry else None
            if popup is None:
                return None
            return [c for _, c in children(popup) if safe(c.getRoleName) != "separator"]
        return poll(f"menu {index}", entries)

    def menus(self):
        bar = poll("the menu bar", lambda: next(
            (c for _, c in children(self.frame) if safe(c.getRoleName) == "menu bar"), None))
        return [(safe(lambda: e.name) or "", i) for i, e in children(bar)]

    def stable_walk(self, root, name):
        """Walks until two walks in a row agree, so a window still being filled is not judged."""
        previous = None
        end = time.monotonic() + CEILING
        while True:
            safe(lambda: self.app.clear_cache())
            current = walk(root, name)
            signature = [(c.key(), c.name) for c in current]
            if signature == previous:
                return current
            if time.monotonic() > end:
                raise WalkError(f"the tree of {name!r} did not settle")
            previous = signature

    def ended(self):
        return self.process.poll() is not None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


class Press:
    """A control pressed through its AT-SPI action. The answer comes when the command is over:
    a command that opens a modal window answers only when that window closes, so the walk goes
    on meanwhile and `done` tells when the program is back at rest."""

    def __init__(self, node, bus):
        from gi.repository import GLib

        self.answered = False
        bus.call(node.app.bus_name, node.path, "org.a11y.atspi.Action", "DoAction",
                 GLib.Variant("(i)", (0,)), None, 0, 2**31 - 1, None, self._answer, None)
        bus.flush_sync(None)

    def _answer(self, bus, result, _data):
        self.answered = True

    def done(self):
        from gi.repository import GLib

        while GLib.MainContext.default().iteration(False):
            pass
        return self.answered


def enabled(node):
    import pyatspi

    states = safe(node.getState)
    return states is not None and states.contains(pyatspi.STATE_ENABLED)


def a11y_bus():
    from gi.repository import Gio, GLib

    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), 0, -1, None).unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)


# ---------------------------------------------------------------------------------------------
# The tour of every window, as a person would open them.


class Tour:
    def __init__(self, program, bus, display, layout, folder):
        self.p, self.bus, self.display = program, bus, display
        self.layout, self.folder = layout, folder
        self.controls = []

    def key(self, *names):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=False,
                       env=dict(os.environ, DISPLAY=self.display))

    def entry(self, where):
        menu, name = where
        return self.p.menu(self.layout[menu])[self.layout[name]]

    def command(self, where, answer=None):
        """Runs a menu command as a person would: waits until it is available, presses it,
        walks every window it opens, and answers them (a message box with its first button, a
        file dialog with `answer`'s file, any other window with Escape; a progress window
        closes itself), until the command is over."""
        item = poll(f"{where} to be available",
                    lambda: (lambda e: e if enabled(e) else None)(self.entry(where)))
        main = self.p.frame.path
        walked = set()
        press = Press(item, self.bus)
        while not press.done() and not self.p.ended():
            extra = [w for w in self.p.top_windows() if safe(lambda: w.path) != main]
            if not extra:
                time.sleep(0.1)
                continue
            window = extra[-1]
            title = safe(lambda: window.name) or "?"
            mark = (window.path, title)
            if mark not in walked:
                walked.add(mark)
                self.controls.extend(self.p.stable_walk(window, title))
            role = safe(window.getRoleName)
            trace(f"{where}: {role} {title!r}")
            if role == "alert":
                # The program's message boxes put the answer that goes on first (OK, Save).
                buttons = [n for n in descendants(window) if safe(n.getRoleName) == "push button"]
                Press(buttons[0], self.bus)
            elif has_role(window, "progress bar"):
                time.sleep(0.1)
                continue
            elif answer and has_role(window, "tree", "tree table"):
                # A file dialog: the file's path goes into its only text field, then its
                # default button (Save, Open) is pressed.
                field = next(n for n in descendants(window) if safe(n.getRoleName) == "text")
                field.queryEditableText().setTextContents(os.path.join(self.folder, answer))
                Press(next(n for n in descendants(window) if is_default(n)), self.bus)
            else:
                # Keys go to the active window: wait until the new one is.
                poll(f"{title!r} to take the keyboard", lambda: is_active(window))
                self.key("Escape")
            shown = window_marks(self.p)
            # The window closes, or opens another (a question about the answer).
            poll(f"{title!r} to give way",
                 lambda: press.done() or self.p.ended() or window_marks(self.p) != shown)

    def walk_main(self, label="main window"):
        found = self.p.stable_walk(self.p.frame, label)
        self.controls.extend(found)
        return found

    def unique_controls(self):
        """Each control once, as last seen (the main window is walked more than once)."""
        seen = {}
        for c in self.controls:
            seen[(c.window, c.key())] = c
        return list(seen.values())

    def open_editors(self):
        """Every available editor window of the Edit menu, and the channel grid's find bar."""
        edit = self.p.menu(self.layout["edit"])
        for entry in edit[: self.layout["editor_count"]] + [edit[self.layout["find"]]]:
            if enabled(entry):
                entry.queryAction().doAction(0)

    def everything(self):
        self.open_editors()
        self.walk_main()
        csv = f"channels-{self.p.process.pid}.csv"
        self.command(("file", "export_csv"), answer=csv)
        self.command(("file", "import_csv"), answer=csv)
        for where in (("help", "about"), ("file", "backups"), ("edit", "column"),
                                ("edit", "fill"), ("program", "fleet"), ("program", "read")):
            self.command(where)
        self.command(("program", "write"))
        port_list = self.entry(("program", "port"))
        port_list.queryAction().doAction(0)
        self.walk_main()
        self.key("Escape")
        return self.unique_controls()


def has_role(node, *roles):
    return any(safe(n.getRoleName) in roles for n in descendants(node))


def descendants(node, depth=12):
    yield node
    if depth:
        for _, child in children(node):
            yield from descendants(child, depth - 1)


def is_default(node):
    import pyatspi

    states = safe(node.getState)
    return states is not None and states.contains(pyatspi.STATE_IS_DEFAULT)


def is_active(window):
    import pyatspi

    states = safe(window.getState)
    return states is not None and states.contains(pyatspi.STATE_ACTIVE)


def window_marks(program):
    return [(w.path, safe(lambda: w.name)) for w in program.top_windows()]


def discover_layout(program):
    """Where the commands sit in the menus, found from the English names of a first start."""
    wanted = {
        "edit": {"find": "Find Channels(F)…", "fill": "Fill Series(G)…", "undo": "Undo",
                 "editors_end": "FM Channel Set", "column": "Set RXFreq of Chosen Channels(K)…"},
        "file": {"quit": "Quit(Q)", "backups": "Backups(K)…",
                 "import_csv": "Import Channels (CSV)…", "export_csv": "Export Channels (CSV)…"},
        "program": {"read": "Read Data from the Transceive(R)",
                    "write": "Write Data in the Transceive(W)", "port": "Communication Port(C)",
                    "checked": "Checked Write: Back Up, Show Changes, Verify(V)",
                    "fleet": "Program Several Radios(M)…"},
        "help": {"about": "About(H)"},
    }
    layout = {}
    menus = program.menus()
    for _, index in menus:
        names = [safe(lambda: e.name) or "" for e in program.menu(index)]
        if names[:2] == list(LANGUAGE_ENTRIES):
            layout["language"] = index
            layout["languages"] = len(names)
        for menu, entries in wanted.items():
            if set(entries.values()) <= set(names):
                layout[menu] = index
                layout.update({key: names.index(name) for key, name in entries.items()})
    if "language" not in layout or not set(wanted) <= set(layout):
        raise WalkError(f"menus not recognised: {menus}")
    layout["editor_count"] = layout["editors_end"] + 1
    return layout


def unnamed(controls):
    return [c for c in controls if not c.name]


def report(language, controls, out):
    missing = unnamed(controls)
    windows = {}
    for c in controls:
        total, without = windows.get(c.window, (0, 0))
        windows[c.window] = (total + 1, without + (0 if c.name else 1))
    print(f"{language}: {len(controls)} controls, {len(missing)} without a name", file=out)
    for window, (total, without) in windows.items():
        print(f"  {window}: {total} controls, {without} without a name", file=out)
    for c in missing:
        print(f"  NO NAME: {c}", file=out)
    if os.environ.get("TALVO_A11Y_VERBOSE"):
        for c in controls:
            print(f"    {c}", file=out)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--report")
    args = parser.parse_args()

    missing = missing_tools()
    if missing:
        print("skipped: not installed: " + ", ".join(missing))
        return SKIP
    if os.environ.get("TALVO_A11Y_PRIVATE_BUS") != "1":
        env = dict(os.environ, TALVO_A11Y_PRIVATE_BUS="1")
        return subprocess.call(["dbus-run-session", "--", sys.executable] + sys.argv, env=env)

    with tempfile.TemporaryDirectory(prefix="talvo-a11y-") as home:
        log = open(os.path.join(home, "xvfb.log"), "w")
        xvfb, display = start_x_server(log)
        launcher = next(p for p in BUS_LAUNCHERS if os.access(p, os.X_OK))
        bus_env = dict(os.environ, DISPLAY=display)
        bus_launcher = subprocess.Popen([launcher, "--launch-immediately"], env=bus_env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.environ["DISPLAY"] = display
        env = dict(os.environ, DISPLAY=display, HOME=home, XDG_CONFIG_HOME=home + "/config",
                   XDG_DATA_HOME=home + "/data", XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", LANG="C.UTF-8")
        env.pop("TALVO_A11Y_PRIVATE_BUS", None)
        try:
            return run_all(args, env, display, home)
        except WalkError as e:
            print(f"FAIL: {e}")
            return 1
        finally:
            bus_launcher.terminate()
            xvfb.terminate()


def run_all(args, env, display, folder):
    """One start per language: the first (nothing stored) starts in English and learns the
    menus; each start walks every window, then switches through the languages and walks the
    main window and the editors in each; before it ends, it picks the language of the next
    start, which the program remembers."""
    import pyatspi

    bus = poll("the accessibility bus", lambda: safe(a11y_bus))
    layout = None
    switched = {}  # language index -> the main window's controls after a switch
    at_start = {}  # language index -> (label, the main window's controls at a start)
    failures = 0
    out = open(args.report, "w") if args.report else sys.stdout
    start_language = 1  # nothing stored: English
    languages = None
    runs = 0
    while True:
        program = Program([args.program, "--demo"], env, pyatspi.Registry)
        try:
            if layout is None:
                layout = discover_layout(program)
                languages = list(range(layout["languages"]))
            tour = Tour(program, bus, display, layout, folder)
            controls = tour.everything()
            main = tour.walk_main()
            label = language_label(program, layout, start_language)
            report(label, controls, out)
            failures += len(unnamed(controls))
            if start_language != 0:
                failures += english_without_chinese(controls, out)
            at_start[start_language] = (label, main)
            # The names after a switch, for every language a later start begins in.
            for lang in languages[1:] + languages[:1]:
                if lang == start_language:
                    continue
                choose_language(program, tour, layout, lang)
                # A switch closes the settings windows; they are opened again as at start.
                tour.open_editors()
                switched.setdefault(lang, tour.p.stable_walk(program.frame, "main window"))
            runs += 1
            following = [lang for lang in languages if lang not in (1,)][runs - 1:runs]
            if not following:
                break
            start_language = following[0]
            choose_language(program, tour, layout, start_language)
            tour.command(("file", "quit"), answer=f"saved-{runs}.dat")
            poll("the program to end", program.ended)
        finally:
            program.stop()
    for lang, (label, main) in at_start.items():
        if lang in switched:
            failures += compare_names(label, switched[lang], main, out)
    out.flush()
    return 1 if failures else 0


def language_label(program, layout, index):
    entry = program.menu(layout["language"])[index]
    return f"language {index} ({safe(lambda: entry.name)})"


def choose_language(program, tour, layout, index):
    entry = program.menu(layout["language"])[index]
    press = Press(entry, tour.bus)
    poll("the language switch", press.done)


def english_without_chinese(controls, out):
    """English, and every further language, shows no Chinese name: a name that stayed in the
    language of the window's construction did not follow the language."""
    wrong = [c for c in controls if any("\u4e00" <= ch <= "\u9fff" for ch in c.name)]
    for c in wrong:
        print(f"  CHINESE NAME OUTSIDE CHINESE: {c}", file=out)
    return len(wrong)


def compare_names(label, after_switch, at_start, out):
    """After a switch every name is the one a start in that language shows."""
    before = {c.key(): c for c in after_switch}
    wrong = 0
    for c in at_start:
        other = before.get(c.key())
        if other is None:
            continue
        if other.name != c.name:
            print(f"  NAME DID NOT FOLLOW THE SWITCH to {label}: {other.name!r} where a start "
                  f"shows {c.name!r}: {c}", file=out)
            wrong += 1
    if len(before) != len(at_start):
        print(f"  {label}: {len(before)} controls after a switch, {len(at_start)} at start",
              file=out)
        keys = {c.key() for c in at_start}
        for c in after_switch:
            if c.key() not in keys:
                print(f"    only after the switch: {c}", file=out)
        for c in at_start:
            if c.key() not in before:
                print(f"    only at start: {c}", file=out)
        wrong += 1
    return wrong


if __name__ == "__main__":
    sys.exit(main())
