#!/usr/bin/env bash
# The clipboard viewer chain between real processes: quelvan repairs its link
# as viewers leave, passes on what is not about its link, and does not freeze
# on a next viewer that has stopped answering, nor drops its notices.
source "$(dirname "$0")/lib.sh"
CLIPWATCH=0x8004 NEXT=32780

# The chain quelvan, A, B, C.
start_viewer C
start_viewer B
start_viewer A
start_app
probe command $CLIPWATCH
probe clip-set 616263
until_ok pos_is '  1 /   3' || fail "monitoring did not take the copied text"
until_ok [ "$(draws C)" = 1 ] || fail "the notice did not reach the end of the chain"

# B leaves: the notice is not about quelvan's link and reaches A unchanged.
cliptool leave "$B"
until_ok logged A "change $B $C" || fail "B's leaving did not reach A unchanged"
# A leaves: quelvan's link becomes C, and the notice goes no further.
cliptool leave "$A"
probe clip-set 6465
until_ok pos_is '  1 /   2' || fail "the text copied after A left"
until_ok [ "$(draws C)" = 2 ] || fail "after A left, notices did not reach C"
[ "$(draws A)" = 1 ] && [ "$(draws B)" = 1 ] || fail "a viewer that left still got notices"
! log C | grep -q change || fail "a notice about quelvan's own link went on to C"
# C, the last, leaves: quelvan is last in the chain and tells nobody.
cliptool leave "$C"
sleep 0.3
probe clip-set 666768
until_ok pos_is '  1 /   3' || fail "the text copied after C left"
sleep 0.3
[ "$(draws C)" = 2 ] || fail "quelvan still passed notices to C after it left"
stop_app

# A next viewer that stops answering at the first change: quelvan takes each
# copied text and answers its commands at once, notice after notice.
start_viewer H 8
start_app # monitoring on: the first run kept it
for text in 616263:'  2 /   3' 6465:'  2 /   2'; do
    probe clip-set "${text%%:*}"
    probe command $NEXT # a posted command: runs only while quelvan is not stuck
    until_ok pos_is "${text#*:}" || fail "quelvan froze on a hung viewer"
    ! logged H awake || fail "a hung viewer held quelvan up until it answered"
done
# Awake again, it gets the notice that came while it slept: none is dropped.
until_ok logged H awake || fail "the hung viewer did not wake"
until_ok [ "$(draws H)" = 2 ] || fail "the notice that came while the viewer hung was dropped"
stop_app
echo ok
