#!/usr/bin/env bash
# The settings file beside the executable: created on close, read at start,
# damaged values ignored, written only by an orderly close, and named after
# the executable whatever its name.
source "$(dirname "$0")/lib.sh"

INI="$APPDIR/quelvan.ini"

# wp SHOWCMD LEFT TOP RIGHT BOTTOM [BYTES]: a "wp" value as the platform writes
# it (two hex digits a byte and a checksum byte), for a 44-byte record or,
# given BYTES, one cut or padded to that size.
wp() {
    python3 - "$@" <<'PY'
import struct, sys
show, l, t, r, b = map(int, sys.argv[1:6])
rec = struct.pack('<11i', 44, 0, show, -1, -1, -1, -1, l, t, r, b)
if len(sys.argv) > 6:
    rec = (rec + bytes(8))[:int(sys.argv[6])]
print(rec.hex().upper() + '%02X' % (sum(rec) % 256))
PY
}
# ini_file LINES...: a settings file with these lines in its section.
ini_file() { printf '[settings]\r\n' > "$INI"; printf '%s\r\n' "$@" >> "$INI"; }
key() { sed -n "s/^$1=//p" "$INI" | tr -d '\r'; }
frame_size() { rect F frame-rect; echo "${F_W}x${F_H}"; }

# First start: defaults, and the file appears on close with every key.
rm -f "$INI"
start_app
[ "$(frame_size)" = 400x400 ] || fail "first start: window $(frame_size), not 400x400"
[ $((0x$(probe exstyle) & 8)) = 0 ] || fail "first start: on top"
[ "$(probe fontbox-sel)" = 0 ] || fail "first start: the top face is not selected"
stop_app
[ -f "$INI" ] || fail "closing did not create the settings file"
[ "$(key flags)" = 0 ] || fail "flags after a first start: $(key flags)"
[ "$(key ffcomboindex)" = 0 ] || fail "ffcomboindex after a first start: $(key ffcomboindex)"
[ "$(key wp | wc -c)" -eq 91 ] || fail "wp is not a 44-byte record: $(key wp)"

# A damaged or wrongly sized placement is no placement.
good=$(wp 1 100 80 600 430)
for bad in "${good:1}" "$(wp 1 100 80 600 430 43)" "$(wp 1 100 80 600 430 45)" "${good:0:20}ZZ${good:22}"; do
    ini_file "wp=$bad"
    start_app
    [ "$(frame_size)" = 400x400 ] || fail "damaged wp '$bad' gave $(frame_size)"
    stop_app
done

# A window closed maximized comes back normal at its saved normal rectangle.
ini_file "wp=$good"
start_app
rect F frame-rect
[ "$F_X $F_Y $F_W $F_H" = "100 80 500 350" ] || fail "stored placement gave $F_X $F_Y $F_W $F_H"
probe show 3   # SW_MAXIMIZE
sleep 0.3
stop_app
[ "$(key wp)" != "$good" ] || fail "the maximized state was not saved"
start_app
rect F frame-rect
[ "$F_X $F_Y $F_W $F_H" = "100 80 500 350" ] || fail "after closing maximized: $F_X $F_Y $F_W $F_H"
stop_app
[ "$(key wp)" = "$good" ] || fail "a normal window saved $(key wp), not $good"

# A placement where no monitor is comes up on the screen, its size kept where it fits.
read -r SCREEN_W SCREEN_H < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
for stored in "5000 5000 5400 5300 400x300" "-50000 -50000 50000 50000"; do
    set -- $stored
    ini_file "wp=$(wp 1 "$1" "$2" "$3" "$4")"
    start_app
    rect F frame-rect
    [ "$F_X" -ge 0 ] && [ "$F_Y" -ge 0 ] && [ $((F_X + F_W)) -le "$SCREEN_W" ] && [ $((F_Y + F_H)) -le "$SCREEN_H" ] ||
        fail "a window stored at $stored came up at $F_X $F_Y $F_W $F_H"
    [ -z "${5:-}" ] || [ "${F_W}x$F_H" = "$5" ] || fail "a window stored at $stored lost its size"
    stop_app
done

# Stored on a monitor of another DPI (right of x 2000, at 144 DPI as Windows
# has it: WM_DPICHANGED during the move there, with the window scaled 1.5
# times), the window comes up at the stored rectangle, start after start.
start_hooks
ini_file "wp=$(wp 1 2100 200 2600 600)"
for start in 1 2 3; do
    QUELVAN_HOOK_DPI_X=2000 start_app
    rect F frame-rect
    [ "$F_X $F_Y $F_W $F_H" = "2100 200 500 400" ] || fail "start $start at 144 DPI: the window is at $F_X $F_Y $F_W $F_H"
    stop_app
done

# The option bits: known bits take effect, the others go back as they came.
ini_file "flags=13"
start_app
[ $((0x$(probe exstyle) & 8)) = 0 ] || fail "flags 13: on top"
stop_app
[ "$(key flags)" = 13 ] || fail "flags 13 came back as $(key flags)"
ini_file "flags=255"
start_app
[ $((0x$(probe exstyle) & 8)) = 8 ] || fail "flags 255: not on top"
probe command 32773   # always on top, off
sleep 0.3
[ $((0x$(probe exstyle) & 8)) = 0 ] || fail "the toggle left the window on top"
stop_app
[ "$(key flags)" = 253 ] || fail "flags 255 toggled once came back as $(key flags)"

# The stored face position: past the end selects the top entry; negative
# selects nothing, and nothing is written over it.
ini_file "ffcomboindex=999"
start_app
[ "$(probe fontbox-sel)" = 0 ] || fail "ffcomboindex 999 selected $(probe fontbox-sel)"
stop_app
ini_file "ffcomboindex=-1"
start_app
[ "$(probe fontbox-sel)" = -1 ] || fail "ffcomboindex -1 selected $(probe fontbox-sel)"
stop_app
[ "$(key ffcomboindex)" = -1 ] || fail "no selection overwrote ffcomboindex with $(key ffcomboindex)"

# A process that ends without destroying its window writes nothing.
ini_file "flags=0" "wp=$good"
cp "$INI" "$OUT/before-kill.ini"
start_app
probe command 32773
sleep 0.3
probe kill
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
cmp -s "$INI" "$OUT/before-kill.ini" || fail "a killed process changed the settings file"

# Killed while closing, at any moment: the file is the old one or the new one,
# whole, with what else it held.
ini_file "flags=0" "wp=$good"
printf '[other]\r\nkeep=1\r\n' >> "$INI"
cp "$INI" "$OUT/old.ini"
start_app
probe command 32773
sleep 0.3
stop_app
cp "$INI" "$OUT/new.ini"
grep -q '^keep=1' "$OUT/new.ini" && ! cmp -s "$OUT/old.ini" "$OUT/new.ini" || fail "closing lost the other keys"
for i in $(seq 0 19); do
    cp "$OUT/old.ini" "$INI"
    start_app
    probe command 32773
    sleep 0.2
    probe kill $((i % 5))
    for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    cmp -s "$INI" "$OUT/old.ini" || cmp -s "$INI" "$OUT/new.ini" || { cp "$INI" "$OUT/torn.ini"; fail "killed $((i % 5)) ms into closing, the settings file was torn (torn.ini)"; }
done
cp "$OUT/before-kill.ini" "$INI"

# A locked file, or a folder where no file can be made: the program runs and
# closes as always, and what was stored stays. (chattr, since root passes chmod.)
# The copies the killed saves left go there too, once a minute old.
find "$APPDIR" -name 'quelvan.ini~*' -exec touch -d '2 minutes ago' {} +
trap 'chattr -i "$INI" "$APPDIR" 2>/dev/null || true' EXIT
chattr +i "$INI"
start_app
probe command 32773
sleep 0.3
stop_app
chattr -i "$INI"
cmp -s "$INI" "$OUT/before-kill.ini" || fail "a locked settings file was changed"
[ -z "$(beside)" ] || fail "the copies of killed saves stayed: $(beside)"
rm "$INI"
chattr +i "$APPDIR"
start_app
stop_app
chattr -i "$APPDIR"
[ ! -f "$INI" ] || fail "a settings file appeared in a read-only folder"

# Renamed, in a folder with a '.' in its name, under a name whose double-byte
# characters end in 0x5C ('\' as a single byte): the settings file follows the
# executable's own name.
dir="$APPDIR/v1.2"
mkdir -p "$dir"
cp "$APPDIR/quelvan.exe" "$dir/ソ表.exe"
(cd "$dir" && PROBE_EXE= exec wine 'ソ表.exe' </dev/null >/dev/null 2>&1) &
APP_PID=$!
PROBE_EXE= until_ok windows_open || fail "the renamed program did not start"
sleep 0.3
PROBE_EXE= probe command 0xE141
wait "$APP_PID" || true
[ -f "$dir/ソ表.ini" ] || fail "the renamed program wrote no ソ表.ini: $(ls "$dir")"
[ ! -f "$APPDIR/v1.ini" ] || fail "the folder's '.' was taken for the extension"
[ ! -f "$INI" ] || fail "the renamed program wrote quelvan.ini"
echo "ok"
