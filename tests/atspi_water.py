"""Water Volumes through the real accessibility bus, as a screen reader meets it: each input box
labelled by its caption; after 10, 20, 5 and Calculate, the four results are announced and read.
Usage: dbus-run-session -- atspi_water.py PROGRAM"""
import os, subprocess, sys, time
import pyatspi
from gi.repository import GLib

def wait_for(find, what, deadline=time.monotonic() + 60):
    while time.monotonic() < deadline:
        if found := find():
            return found
        while GLib.MainContext.default().iteration(False):  # delivers the events
            pass
        time.sleep(0.1)
    sys.exit(f"not found in time: {what}")

def press(root, name, role="push button"):
    is_it = lambda a: a.getRoleName() == role and a.name == name
    wait_for(lambda: pyatspi.findDescendant(root, is_it, True), name).queryAction().doAction(0)

# A display numbered by the server itself, so that runs side by side cannot collide.
ready, told = os.pipe()
display = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-nolisten", "tcp"], pass_fds=[told])
os.close(told)
env = dict(os.environ, DISPLAY=":" + os.read(ready, 9).decode().strip(), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen(sys.argv[1:], env=env)
try:
    heard = set()  # listening from the start: the program learns of a listener in its own time
    pyatspi.Registry.registerEventListener(lambda e: e.source.clearCache() or heard.add(e.source.name),
                                           "object:property-change:accessible-name")
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in desktop if a and a.get_process_id() == program.pid), None), "program")
    press(app, "I Agree", "radio button")
    press(app, "Ok")
    press(app, "Water Volumes", "menu item")
    water = wait_for(lambda: pyatspi.findDescendant(app, lambda a: a.getRoleName() == "frame" and
                                                    a.name == "Water Volumes", True), "window")
    for box in pyatspi.findAllDescendants(water, lambda a: a.getRoleName() == "text"):
        captions = [r.getTarget(0).name for r in box.getRelationSet()
                    if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        if captions != [box.name]:
            sys.exit(f"box {box.name!r} is labelled by {captions}")
        box.queryEditableText().setTextContents({"Width": "10", "Length": "20", "Depth": "5"}[box.name])
    press(water, "Calculate")
    results = {"Square Feet: 1000", "Gallons: 7481", "lbs. of Water: 62092.3", "Tons of Water: 31.04615"}
    wait_for(lambda: results <= heard, f"{results} announced")
    water.clearCache()  # read afresh, not from this side's cache
    shown = {a.name for a in pyatspi.findAllDescendants(water, lambda a: a.getRoleName() == "label")}
    if not results <= shown:
        sys.exit(f"results read: {shown}")
finally:
    program.terminate()
    display.terminate()
