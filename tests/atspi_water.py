"""Water Volumes on the real accessibility bus (under dbus-run-session): boxes labelled, four results heard."""
import os, subprocess, sys, time
import pyatspi
from gi.repository import GLib
def wait_for(find, what, deadline=time.monotonic() + 60):
    while time.monotonic() < deadline:
        if found := find():
            return found
        while GLib.MainContext.default().iteration(False): pass  # delivers the events
        time.sleep(0.1)
    sys.exit(f"not found in time: {what}")
def find(root, role, name=None, every=False):
    return (pyatspi.findAllDescendants if every else pyatspi.findDescendant)(
        root, lambda a: a.getRoleName() == role and name in (None, a.name))

ready, told = os.pipe()  # a display the server numbers itself, so that runs side by side cannot collide
display = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-nolisten", "tcp"], pass_fds=[told])
env = dict(os.environ, DISPLAY=":" + os.read(ready, 9).decode().strip(), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen(sys.argv[1:], env=env)
try:
    heard = set()  # listening from the start: the program learns of a listener in its own time
    pyatspi.Registry.registerEventListener(lambda e: e.source.clearCache() or heard.add(e.source.name),
                                           "object:property-change:accessible-name")
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == program.pid), None), "program")
    for role, name in [("radio button", "I Agree"), ("push button", "Ok"), ("menu item", "Water Volumes")]:
        wait_for(lambda: find(app, role, name), name).queryAction().doAction(0)
    water = wait_for(lambda: find(app, "frame", "Water Volumes"), "window")
    for box in find(water, "text", every=True):
        captions = [r.getTarget(0).name for r in box.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        assert captions == [box.name], f"box {box.name!r} is labelled by {captions}"
        box.queryEditableText().setTextContents({"Width": "10", "Length": "20", "Depth": "5"}[box.name])
    find(water, "push button", "Calculate").queryAction().doAction(0)
    results = {"Square Feet: 1000", "Gallons: 7481", "lbs. of Water: 62092.3", "Tons of Water: 31.04615"}
    wait_for(lambda: results <= heard, f"{results} announced")
    water.clearCache()  # read afresh, not from this side's cache
    assert results <= {a.name for a in find(water, "label", every=True)}, "results not read"
finally:
    program.terminate()
    display.terminate()
