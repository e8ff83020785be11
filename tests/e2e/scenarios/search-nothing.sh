#!/usr/bin/env bash
# A search that finds nothing: the log of a started search, the buttons while it runs, its length, the
# warning at its end and, after it, the line that says why: printers of another model answered (the "one"
# scenario: one printer, whose line has a form of its own), or (the "silent" scenario) no printer answered at all.
source tests/e2e/lib.sh
m() { message english "$1"; }

if [[ "$E2E_SCENARIO" == *silent* ]]; then
    start_simulator --noise 10.77.0.20 || { finish; exit; }
    reason=$(m MSG_REASON_NOTHING_ANSWERED)
elif [[ "$E2E_SCENARIO" == *one* ]]; then
    start_simulator --noise 10.77.0.20 --printer 10.77.0.21=X9_other || { finish; exit; }
    reason=$(m MSG_REASON_OTHER_MODEL_ONE)
    reason=${reason/\%s/M1}
    reason=${reason/\%s/X9_other}
else
    start_simulator --noise 10.77.0.20 --printer 10.77.0.21=X9_other --printer 10.77.0.22=K7_hall \
        --second 10.77.0.21=X9_other || { finish; exit; }
    reason="[Notification] 2 printers answered, none of them is a M1: X9_other, K7_hall."
fi
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
sleep 0.3
check "after the box: the line that says why" "$(drive log | tail -n 2)" "$(printf '%s\n' "$(m MSG_NOTHING_FOUND)" "$reason")"
screenshot reason

# A help desk asks for the log: Ctrl+C in the log pane puts all its lines on the clipboard. (Wine hands the
# text to X with LF line ends; the CR LF that Windows programs read is checked by the Windows tests.)
drive copy-log >/dev/null
sleep 0.5
log_lines=$(drive log | tail -n +2)
check "Ctrl+C in the log: the clipboard holds the log's lines" "$(xclip -o -selection clipboard | tr -d '\r')" "$log_lines"
check "the log pane is as it was" "$(drive log | tail -n +2)" "$log_lines"
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
