#!/usr/bin/env bash
# A search that finds nothing: the log of a started search, the buttons while it runs, its length, and the
# warning at its end.
source tests/e2e/lib.sh
m() { message english "$1"; }

start_simulator --noise 10.77.0.20 --printer 10.77.0.21=X9_other || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
started=$(now)
drive press search >/dev/null
sleep 0.7
check "during the search: search, install and exit disabled" "$(command_buttons)" "search=off install=off exit=off"
check "the log of a started search" "$(drive log)" "$(printf '%s\n' 3 "$(m MSG_MODEL_ENTRY_READ)M1|Vantrel M1|drivers\\1.inf" "$(m MSG_CHECKING_INSTALLED)" \
    "[Notification] Installed printers on the computer:  0,  including the matching network printers :  0." "$(m MSG_SEARCHING)")"
check_mdns_inside

box=$(drive message-box 10000)
ended=$(now)
check "the end: a warning box with the application's name" "$box" "$(printf '%s\n' Velbrix "$(m MSG_NOTHING_FOUND)" warning)"
elapsed=$(echo "$ended - $started" | bc)
echo "  search of SearchDuration 3 took $elapsed s from the press to its end box" | tee "$E2E_ARTIFACTS/duration.txt"
check "the search ends about 3 s after it began" "$(echo "$elapsed > 2.5 && $elapsed < 6" | bc)" 1
check "the log ends with the nothing-found line" "$(drive log | tail -n 1)" "$(m MSG_NOTHING_FOUND)"
check "nothing in the list" "$(drive rows)" ""
check "after the search: the buttons enabled" "$(command_buttons)" "search=on install=on exit=on"
screenshot nothing-found
drive message-box-ok >/dev/null
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
