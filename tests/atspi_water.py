"""Water Volumes on the real accessibility bus (under dbus-run-session): boxes labelled, four results heard and
announced; Tab into an empty box is told as its focus first, and Tab round the window as the box it lands on."""
import os, subprocess, sys, time
import pyatspi
from gi.repository import GLib
def wait_for(find, what, deadline=time.monotonic() + 60):
    while time.monotonic() < deadline:
        if found := find():
            return found
        while GLib.MainContext.default().iteration(False): pass  # delivers the events
        time.sleep(0.1)
    if what: sys.exit(f"not found in time: {what}")
def pump(seconds):
    wait_for(lambda: time.sleep(seconds), "", time.monotonic() + seconds)
def find(root, role, name=None, every=False):  # by the role itself: its name varies with the release
    return (pyatspi.findAllDescendants if every else pyatspi.findDescendant)(
        root, lambda a: a.getRole() == role and name in (None, a.name))

ready, told = os.pipe()  # a display the server numbers itself, so that runs side by side cannot collide
display = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-nolisten", "tcp"], pass_fds=[told])
env = dict(os.environ, DISPLAY=":" + os.read(ready, 9).decode().strip(), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen(sys.argv[1:], env=env)
try:
    heard = set()  # listening from the start: the program learns of a listener in its own time
    pyatspi.Registry.registerEventListener(lambda e: e.source.clearCache() or heard.add(e.source.name),
                                           "object:property-change:accessible-name")
    told, announced = [], set()
    def listen(e):
        try:
            if e.type == "object:announcement":  # the toolkit's own, from Qt 6.8
                announced.add(e.any_data)
            elif e.type.endswith("showing") and e.detail1 and e.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                announced.add(e.source.name)
            told.append((e.type.split(":")[-1], e.source.name, e.detail1))
        except GLib.Error: pass  # a control gone since
    pyatspi.Registry.registerEventListener(listen, "object:state-changed:showing", "object:state-changed:focused",
                                           "object:text-caret-moved", "object:text-selection-changed",
                                           "object:announcement")
    def tab(to):
        told.clear()
        subprocess.run(["xdotool", "key", "Tab"], env=env, check=True)
        wait_for(lambda: ("focused", to, 1) in told, f"Tab to {to}")
        return [e for e in told if e[1] == to and e[0] != "showing"]
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == program.pid), None), "program")
    for role, name in [(pyatspi.ROLE_RADIO_BUTTON, "I Agree"), (pyatspi.ROLE_PUSH_BUTTON, "Ok"),
                       (pyatspi.ROLE_MENU_ITEM, "Water Volumes")]:
        wait_for(lambda: find(app, role, name), name).queryAction().doAction(0)
    water = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Water Volumes"), "window")
    wait_for(lambda: ("focused", "Width", 1) in told, "the width box focused")
    assert tab("Length")[0] == ("focused", "Length", 1), f"the empty box tells of more than its focus first: {told}"
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
    water.clearCache()  # read afresh, not from this side's cache
    assert results <= {a.name for a in find(water, pyatspi.ROLE_LABEL, every=True)}, "results not read"
finally:
    program.terminate()
    display.terminate()
