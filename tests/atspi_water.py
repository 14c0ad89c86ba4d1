"""Water Volumes on the real accessibility bus (under dbus-run-session), opened from the menus by keyboard with nothing
told of the window behind them: boxes labelled, four results heard and announced; Tab into a box, empty or filled, is
told as its focus first and leaving it as its focus alone, Tab round the window as the box it lands on, and a filled
box reads as its whole text."""
import ctypes, os, subprocess, sys, time
import pyatspi
from gi.repository import GLib
def wait_for(find, what, deadline=time.monotonic() + 60):
    while time.monotonic() < deadline:
        if program.poll() is not None:  # what it said is above
            sys.exit(f"the program ended with status {program.returncode}")
        if found := find():
            return found
        while GLib.MainContext.default().iteration(False): pass  # delivers the events
        time.sleep(0.1)
    if what: sys.exit(f"not found in time: {what}")
def pump(seconds):
    wait_for(lambda: time.sleep(seconds), "", time.monotonic() + seconds)
def press(keys):  # as a keyboard does: xdotool also holds Alt for a function key whose keymap entry has an Alt level,
    x11, xtest = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")  # as Debian 14's has (F10 came as Alt+F10)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XStringToKeysym.restype = ctypes.c_ulong
    x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    shown = x11.XOpenDisplay(env["DISPLAY"].encode())
    codes = [x11.XKeysymToKeycode(shown, x11.XStringToKeysym({"shift": "Shift_L"}.get(k, k).encode())) for k in keys.split("+")]
    for code, down in [(c, 1) for c in codes] + [(c, 0) for c in reversed(codes)]:
        xtest.XTestFakeKeyEvent(shown, code, down, 0)
    x11.XCloseDisplay(shown)  # sends them
def find(root, role, name=None, every=False):  # by the role itself: its name varies with the release
    return (pyatspi.findAllDescendants if every else pyatspi.findDescendant)(
        root, lambda a: a.getRole() == role and name in (None, a.name))

display = program = None
try:  # whatever happens, the server and the program end with the test
    ready, written = os.pipe()  # a display the server numbers itself, so that runs side by side cannot collide
    display = subprocess.Popen(["Xvfb", "-displayfd", str(written), "-nolisten", "tcp"], pass_fds=[written])
    os.close(written)  # a server that ends before it is ready then gives no number rather than a wait for ever
    env = dict(os.environ, DISPLAY=":" + os.read(ready, 9).decode().strip(), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen(sys.argv[1:], env=env)
    heard = set()  # listening from the start: the program learns of a listener in its own time
    pyatspi.Registry.registerEventListener(lambda e: e.source.clearCache() or heard.add(e.source.name),
                                           "object:property-change:accessible-name")
    told, announced = [], set()
    def listen(e):
        try:
            if e.type == "object:announcement":  # the toolkit's own, from Qt 6.8
                announced.add(e.any_data)
            elif e.type.endswith("showing") and e.detail1 and e.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                time.sleep(0.3)  # a screen reader reads in its own time what shows in the notification but its name
                announced.add(" ".join(c.name for c in e.source if c.getRole() == pyatspi.ROLE_LABEL and c.name not in
                                       e.source.name and c.getState().contains(pyatspi.STATE_SHOWING)))
            told.append((e.type.split(":")[-1], e.source.name, e.detail1))
        except GLib.Error: pass  # a control gone since
    pyatspi.Registry.registerEventListener(listen, "object:state-changed:showing", "object:state-changed:focused",
                                           "object:text-caret-moved", "object:text-selection-changed",
                                           "object:announcement", "window:activate")
    def tab(to, keys="Tab"):  # a box is told of its focus first, and of nothing as the focus leaves it
        left = next((e[1] for e in reversed(told) if e[0] == "focused" and e[2]), None)
        told.clear()
        press(keys)
        wait_for(lambda: ("focused", to, 1) in told, f"{keys} to {to}")
        heard = [e for e in told if e[1] == to and e[0] != "showing"]
        assert heard[0] == ("focused", to, 1), f"{to} told of more than its focus first: {told}"
        assert all(e[0] == "focused" for e in told if e[1] == left and left != to), f"{left} told as left: {told}"
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == program.pid), None), "program")
    for role, name in [(pyatspi.ROLE_RADIO_BUTTON, "I Agree"), (pyatspi.ROLE_PUSH_BUTTON, "Ok")]:
        wait_for(lambda: find(app, role, name), name).queryAction().doAction(0)
    wait_for(lambda: ("focused", "Concrete Quantities", 1) in told, "the quick menu focused")
    # there is no window manager to give the main window the keyboard
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Corvane$", "windowfocus"], env=env, check=True)
    main = find(app, pyatspi.ROLE_FRAME, "Corvane")
    wait_for(lambda: main.clearCache() or main.getState().contains(pyatspi.STATE_ACTIVE), "the main window active")
    pump(0.5)
    for keys, to in [("F10", "File"), ("Right", "Block Quantities"), ("Up", "Water Volumes"), ("Return", "Width")]:
        told.clear()  # nothing heard of the quick menu in the menus, nor of the window entered again after them
        press(keys)
        wait_for(lambda: ("focused", to, 1) in told, f"{keys} to {to}")
        pump(0.5)
        assert not [e for e in told if e[0] == "activate" or e[1:] == ("Concrete Quantities", 1)], f"{keys}: {told}"
    water = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Water Volumes"), "window")
    tab("Length")
    for box in find(water, pyatspi.ROLE_TEXT, every=True):
        captions = [r.getTarget(0).name for r in box.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        assert captions == [box.name], f"box {box.name!r} is labelled by {captions}"
        box.queryEditableText().setTextContents({"Width": "10", "Length": "20", "Depth": "5"}[box.name])
    find(water, pyatspi.ROLE_PUSH_BUTTON, "Calculate").queryAction().doAction(0)
    results = {"Square Feet: 1000", "Gallons: 7481", "lbs. of Water: 62092.3", "Tons of Water: 31.04615"}
    wait_for(lambda: results <= heard, f"{results} heard")
    said = "Square Feet 1000, Gallons 7481, lbs. of Water 62092.3, Tons of Water 31.04615"
    wait_for(lambda: said in announced, f"{said} announced")
    for box in ["Depth", "Calculate", "Clear All", "Width"]:
        tab(box)
    pump(0.5)
    assert [e for e in told if e[0] == "focused" and e[2]][-1][1] == "Width", f"Tab round told as elsewhere: {told}"
    for box, keys in [("Length", "Tab"), ("Depth", "Tab"), ("Length", "shift+Tab")]:
        tab(box, keys)
    length = find(water, pyatspi.ROLE_TEXT, "Length")
    run = length.queryText().getAttributeRun(0)  # a reader speaks a box run by run
    assert list(run[1:]) == [0, 2], f"the box holding 20 reads as runs {run}"
    for start, end in [(2, 0), (1, -1), (5, 6)]:  # an end before the start, GTK's "to the end", past the end
        length.queryEditableText().deleteText(start, end)
        got = length.queryText().getText(0, -1)
        assert got == "20", f"deleting {start} to {end} from 20 left {got!r}"
    water.clearCache()  # read afresh, not from this side's cache
    assert results <= {a.name for a in find(water, pyatspi.ROLE_LABEL, every=True)}, "results not read"
finally:
    for process in filter(None, (program, display)):
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
