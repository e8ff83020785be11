#!/usr/bin/env bash
# The prompt selected after a search; a datagram that arrives after the end of a search; a second search
# while the first one's listener still waits.
source tests/e2e/lib.sh
m() { message english "$1"; }

start_simulator --printer 10.77.0.11=M1_alpha --late 10.77.0.14=M1_late@4.5 || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
box=$(drive message-box 10000)
check "the first search reports one printer" "$(echo "$box" | sed -n 2p | grep -o 'found:  1 ')" "found:  1 "
check "a printer answering after the end still gets its row, the box still open" \
    "$(drive wait-rows 2 4000 >/dev/null && drive rows | cut -f2 | tr '\n' ' ')" "10.77.0.11 10.77.0.14 "
drive message-box-ok >/dev/null
sleep 0.3
check "the listener of the ended search has ended with that datagram" "$(mdns_sockets)" 0

log_before=$(drive log)
drive select-model 0 >/dev/null
drive press search >/dev/null
check "the prompt selected: a warning box" "$(drive message-box 5000)" "$(printf '%s\n' Velbrix "$(m MSG_NO_MODEL_CHOSEN)" warning)"
drive message-box-ok >/dev/null
sleep 0.3
check "the prompt selected: the list is emptied" "$(drive rows)" ""
check "the prompt selected: the log is unchanged" "$(drive log)" "$log_before"
check "the prompt selected: the focus goes to the model list" "$(drive focus)" model-list

# Two searches in a row: the simulator now stays silent for the first of them.
stop_simulator
drive select-model 1 >/dev/null
drive press search >/dev/null
drive message-box 10000 >/dev/null
drive message-box-ok >/dev/null
check "after a silent search its listener still waits" "$(mdns_sockets)" 1
start_simulator --late 10.77.0.11=M1_alpha@1.5 --late 10.77.0.12=M1_beta@1.6 || { finish; exit; }
drive press search >/dev/null
sleep 0.7
# The new search's own query comes back through the group to the waiting listener, which is retired by it.
check "the second search's query ends the earlier listener: one listener left" "$(mdns_sockets)" 1
box=$(drive message-box 10000)
check "the second search lists each printer once" "$(drive rows | cut -f2 | tr '\n' ' ')" "10.77.0.11 10.77.0.12 "
check "the second search reports two" "$(echo "$box" | sed -n 2p | grep -o 'found:  2 ')" "found:  2 "
check "one listener after the second search" "$(mdns_sockets)" 1
drive message-box-ok >/dev/null

# Closing the window while a search runs ends the program at once, its listener with it.
drive press search >/dev/null
sleep 0.5
drive key escape >/dev/null
expect_velbrix_ends "Esc during a search"
finish
