#!/usr/bin/env bash
# Saving the settings file where users meet it: copies of the program closing
# together, a folder that takes no new file, a read-only file, copies that
# killed saves left beside it, and a file another program holds for a moment.
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
# Writable again, with the copies killed saves left two minutes ago (an older
# version's, read only, and one of a process that is gone), and a fresh one (a
# save under way on another machine sharing the folder: process ids are per
# machine): the next change is saved, the file stays writable, the old copies
# go and the fresh one stays.
chmod 644 "$INI"
echo old > "$INI~"
chmod 444 "$INI~"
echo old > "$INI~7ffffff0"
touch -d '2 minutes ago' "$INI~" "$INI~7ffffff0"
echo new > "$INI~7ffffff1"
start_app
toggle_topmost
stop_app
[ "$(key flags) $(stat -c %a "$INI")" = "2 644" ] || fail "writable again: flags $(key flags), mode $(stat -c %a "$INI")"
[ "$(beside)" = quelvan.ini~7ffffff1 ] || fail "beside the file: '$(beside)', not the fresh copy alone"
rm "$INI~7ffffff1"

# Held open by another program as an indexer, a sync client or a virus
# scanner does (reading, sharing read and write, with or without delete) for
# a second while the program closes: the change is saved once the file is
# free. Held for longer than a save waits: nothing is saved, nothing is left.
hold_while_closing() {
    rm -f "$OUT/hold.log"
    wine "$PROBE" hold "$(winepath -w "$INI")" "$@" </dev/null >"$OUT/hold.log" 2>/dev/null &
    until_ok grep -qs held "$OUT/hold.log" || fail "the settings file could not be held"
    stop_app
    wait $!
}
for held in "1000 2" "1000 delete 2" "4000 0"; do
    set -- $held
    ini_file "flags=0"
    start_app
    toggle_topmost
    hold_while_closing "${@:1:$#-1}"
    [ "$(key flags)" = "${!#}" ] || fail "held ($held): flags $(key flags)"
    [ -z "$(beside)" ] || fail "held ($held): left beside the file: $(beside)"
done
echo "ok"
