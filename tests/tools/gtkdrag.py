#!/usr/bin/python3
# A Linux program's text drag (GTK, XDND): gtkdrag.py X Y TEXT... shows a window
# at X,Y whose drag N carries the Nth TEXT; prints "ready", then "done N".
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402

texts, drags = sys.argv[3:], [0]
win = Gtk.Window(default_width=100, default_height=100)
win.move(int(sys.argv[1]), int(sys.argv[2]))
area = Gtk.EventBox()
win.add(area)
area.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
area.drag_source_add_text_targets()
area.connect("drag-data-get", lambda w, c, data, i, t: data.set_text(texts[drags[0] % len(texts)], -1))
area.connect("drag-end", lambda *_: (drags.__setitem__(0, drags[0] + 1), print("done", drags[0], flush=True)))
win.connect("map-event", lambda *_: print("ready", flush=True))
win.show_all()
Gtk.main()
