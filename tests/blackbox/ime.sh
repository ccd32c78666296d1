#!/usr/bin/env bash
# The input method. Left on, as Windows has it (Wine makes no VK_PROCESSKEY:
# tests/tools/winhook.cpp stands in), it takes no key from the main window:
# SPACE and SHIFT+SPACE step. And the input dialog takes Japanese from a real
# input method (uim with anthy over XIM): romaji converted and committed.
source "$(dirname "$0")/lib.sh"

start_hooks
QUELVAN_HOOK_IME=1 start_app
enter_text abc
xdotool key space space shift+space
sleep 0.3
pos_is '  2 /   3' || fail "with the IME on, SPACE SPACE SHIFT+SPACE left the position at $(probe status 1)"
stop_app

# uim's server runs as a user whose home takes no files: anthy learns
# nothing from one run to the next.
id quelvan-im >/dev/null 2>&1 || fail "no user quelvan-im for the input method's server (scripts/setup.sh adds it)"
setpriv --reuid=quelvan-im --regid=quelvan-im --clear-groups env LANG=ja_JP.UTF-8 uim-xim --engine=anthy \
    </dev/null >/dev/null 2>&1 &
BACKGROUND_PIDS+=($!)
until_ok eval 'xprop -root XIM_SERVERS | grep -q @server=uim' || fail "uim-xim did not start"
XMODIFIERS=@im=uim start_app
# SHIFT+SPACE switches anthy on; SPACE converts, Return commits, Return closes.
type_nihongo() {
    xdotool key shift+space sleep 1
    xdotool type --delay 80 nihongo
    xdotool sleep 0.5 key space sleep 1 key Return sleep 0.5
}
enter_typed type_nihongo
pos_is '  1 /   3' && code_is 93fa || fail "日本語 typed with the IME gave $(probe status 1) $(probe status 2)"
stop_app
echo "ok"
