#!/usr/bin/python3
"""A Linux program's text drag (GTK, XDND), for the black-box tests.

    gtkdrag.py X Y TEXT...   shows a 100x100 window at X,Y; each drag started
                             on it carries the next TEXT; prints "ready" once
                             shown and "done N" when drag N has ended
"""
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, GLib, Gtk  # noqa: E402

x, y, texts = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3:]
drags = 0

win = Gtk.Window(title="gtkdrag")
win.set_default_size(100, 100)
win.move(x, y)
area = Gtk.EventBox()
win.add(area)
area.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
area.drag_source_add_text_targets()
area.connect("drag-data-get", lambda w, ctx, data, info, t: data.set_text(texts[drags % len(texts)], -1))


def ended(*_):
    global drags
    drags += 1
    print("done", drags, flush=True)


area.connect("drag-end", ended)
win.connect("destroy", Gtk.main_quit)
win.connect("map-event", lambda *_: print("ready", flush=True))
win.show_all()
GLib.timeout_add_seconds(120, Gtk.main_quit)
Gtk.main()
