#!/usr/bin/env bash
# A desk where Velbrix can open neither socket: another program holds port 5353 without sharing it, and the
# session's only port for the system to pick is taken too. The search ends at once with its own words instead
# of waiting its time out and saying that nothing was found.
source tests/e2e/lib.sh
m() { message "$(session_catalogue)" "$1"; }

hold_mdns_port || { finish; exit; }
# One port left for the system to pick, held by the same kind of program.
sysctl -q -w net.ipv4.ip_local_port_range="40000 40000"
python3 -c '
import socket, time
holder = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
holder.bind(("0.0.0.0", 40000))
time.sleep(120)
' &
port_holder=$!
start_velbrix "$(supplier_folder "$(velbrix_ini 60 'M1=Vantrel M1')")" || { kill "$port_holder"; finish; exit; }
drive select-model 1 >/dev/null
started=$(now)
drive press search >/dev/null
box=$(drive message-box 10000)
ended=$(now)
check "the end: a warning box saying that Velbrix could not listen" "$box" \
    "$(printf '%s\n' Velbrix "$(m MSG_CANNOT_LISTEN)" warning)"
check "at once, not after the search time of 60 s" "$(echo "$ended - $started < 10" | bc)" 1
check "the log ends with the same line, not with the nothing-found one" "$(drive log | tail -n 1)" \
    "$(m MSG_CANNOT_LISTEN)"
check "after the search: the buttons enabled" "$(command_buttons)" "search=on install=on exit=on"
screenshot cannot-listen
drive message-box-ok >/dev/null
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
kill "$port_holder" 2>/dev/null
wait "$port_holder" 2>/dev/null
finish
