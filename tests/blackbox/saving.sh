#!/usr/bin/env bash
# Saving the settings file where users meet it: copies of the program closing
# together, a folder that takes no new file, a read-only file, and copies that
# killed saves left beside it.
source "$(dirname "$0")/lib.sh"
trap 'chattr -i "$APPDIR" 2>/dev/null || true; quit_viewers; end_locales' EXIT

INI="$APPDIR/quelvan.ini"
key() { sed -n "s/^$1=//p" "$INI" | tr -d '\r'; }
ini_file() { printf '[settings]\r\n' > "$INI"; printf '%s\r\n' "$@" >> "$INI"; }
toggle_topmost() { probe command 32773; sleep 0.3; }

# Two copies, each started from its own file, closed by one WM_CLOSE each at
# the same moment, over and over: the file holds one copy's keys whole, the
# other section, and nothing beside it.
# (wp: the placements 100,80-600,430 and 700,500-1100,800 as the platform writes them.)
A="2C0000000000000001000000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF640000005000000058020000AE010000DA 0 0"
B="2C0000000000000001000000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFBC020000F40100004C0400002003000043 16 1"
for round in $(seq 25); do
    pids=()
    for copy in "$A" "$B"; do
        set -- $copy
        ini_file "wp=$1" "flags=$2" "ffcomboindex=$3"
        (cd "$APPDIR" && exec wine quelvan.exe </dev/null >/dev/null 2>&1) &
        pids+=($!)
        until_ok windows_open ${#pids[@]} || fail "copy ${#pids[@]} did not start"
        sleep 0.3
    done
    ini_file "flags=64" "ffcomboindex=7"
    printf '[other]\r\nkeep=1\r\n' >> "$INI"
    probe close-all
    wait "${pids[@]}" || true
    got="$(key wp) $(key flags) $(key ffcomboindex)"
    [ "$got" = "$A" ] || [ "$got" = "$B" ] || { cp "$INI" "$OUT/mixed.ini"; fail "round $round: keys of neither copy (mixed.ini)"; }
    grep -q '^keep=1' "$INI" || fail "round $round: the other section was lost"
    [ -z "$(beside)" ] || fail "round $round: left beside the file: $(beside)"
done

# A folder that takes no new file (as for a user granted the file alone;
# chattr, since root passes chmod): the file is written in place.
ini_file "flags=0"
printf '[other]\r\nkeep=1\r\n' >> "$INI"
chattr +i "$APPDIR"
start_app
toggle_topmost
stop_app
chattr -i "$APPDIR"
[ "$(key flags)" = 2 ] && grep -q '^keep=1' "$INI" || fail "in a folder that takes no new file, nothing was saved"

# A read-only file (attrib +r is mode 0444 under Wine) stays as it is, and
# nothing is left beside it.
ini_file "flags=0"
chmod 444 "$INI"
cp "$INI" "$OUT/readonly.ini"
start_app
toggle_topmost
stop_app
cmp -s "$INI" "$OUT/readonly.ini" || fail "a read-only settings file was written"
[ -z "$(beside)" ] || fail "a read-only file got company: $(beside)"
# Writable again, with the copies killed saves left (an older version's, read
# only, and one of a process that is gone): the next change is saved, the file
# stays writable, and the copies go.
chmod 644 "$INI"
echo old > "$INI~"
chmod 444 "$INI~"
echo old > "$INI~7ffffff0"
start_app
toggle_topmost
stop_app
[ "$(key flags) $(stat -c %a "$INI")" = "2 644" ] || fail "writable again: flags $(key flags), mode $(stat -c %a "$INI")"
[ -z "$(beside)" ] || fail "left beside the file: $(beside)"
echo "ok"
