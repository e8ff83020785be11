#!/usr/bin/env bash
# The prompt selected after a search; a printer that answers only after the end of a search; two searches in a
# row, each listener ending with its own search although nothing wakes it.
source tests/e2e/lib.sh
m() { message english "$1"; }

start_simulator --printer 10.77.0.11=M1_alpha --late 10.77.0.14=M1_late@4.5 || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
box=$(drive message-box 10000)
check "the first search reports one printer" "$(echo "$box" | sed -n 2p | grep -o 'found:  1 ')" "found:  1 "
drive wait-rows 2 4000 >/dev/null
check "a printer answering only after the end gets no row: the listener has ended with its search" \
    "$(drive rows | cut -f2 | tr '\n' ' ')" "10.77.0.11 "
drive message-box-ok >/dev/null
check "the listener of the ended search has given its socket back" "$(mdns_sockets)" 0

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
# A listener gives its socket back within about a second of its search's end, also when nothing arrives.
sleep 1
check "after a silent search its listener has ended too" "$(mdns_sockets)" 0
start_simulator --late 10.77.0.11=M1_alpha@1.5 --late 10.77.0.12=M1_beta@1.6 || { finish; exit; }
drive press search >/dev/null
sleep 0.7
check "during the second search: its listener alone" "$(mdns_sockets)" 1
box=$(drive message-box 10000)
check "the second search lists each printer once" "$(drive rows | cut -f2 | tr '\n' ' ')" "10.77.0.11 10.77.0.12 "
check "the second search reports two" "$(echo "$box" | sed -n 2p | grep -o 'found:  2 ')" "found:  2 "
drive message-box-ok >/dev/null
sleep 1
check "no listener after the second search" "$(mdns_sockets)" 0

# Closing the window while a search runs ends the program at once, its listener with it.
drive press search >/dev/null
sleep 0.5
drive key escape >/dev/null
expect_velbrix_ends "Esc during a search"
finish
