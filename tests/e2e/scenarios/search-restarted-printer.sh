#!/usr/bin/env bash
# Behind the desk's firewall (wine-session --firewall), one printer on from the start and a second switched on
# 3 s into a 12 s search, as a person restarts it when the search asks them to. The restarted printer announces
# itself to the group, which the firewall drops; the next question finds it, and its answer comes back by
# unicast. Against the simulator, and against a real mDNS stack (a scenario named *real-stack*: python3-zeroconf,
# the second printer's stack started 3 s into the search). The questions of a 12 s search leave at about 0, 1,
# 2, 4 and 8 s, so the printer has two of them to hear, the first about a second after it is on.
source tests/e2e/lib.sh
m() { message english "$1"; }

late_pid=""
stop_late_print_server() {
    if [ -n "$late_pid" ]; then
        kill "$late_pid" 2>/dev/null
        wait "$late_pid" 2>/dev/null
        late_pid=""
    fi
}

if [[ "$E2E_SCENARIO" == *real-stack* ]]; then
    first=10.77.0.31 second=10.77.0.32
    start_print_server "$first=M1_front_office" || { finish; exit; }
    # Only counts the questions the LAN hears.
    start_simulator || { finish; exit; }
else
    first=10.77.0.11 second=10.77.0.12
    start_simulator --printer "$first=M1_front_office" --starts "$second=M1_restarted@3" || { finish; exit; }
fi
start_velbrix "$(supplier_folder "$(velbrix_ini 12 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
if [[ "$E2E_SCENARIO" == *real-stack* ]]; then
    sleep 3
    ip netns exec "$VELBRIX_LAN_NS" /usr/bin/python3 tools/print-server-mdns --queue "$second=M1_restarted" \
        >"$E2E_ARTIFACTS/restarted-print-server.txt" 2>&1 &
    late_pid=$!
fi
box=$(drive message-box 20000)

not_installed="$(m MSG_STATUS_NOT_INSTALLED)	$(m MSG_REMARK_NOT_INSTALLED)"
check "both printers listed, the restarted one too" "$(drive rows | sort -t'	' -k2)" "$(printf '%s\n' \
    "	$first	M1_front_office	http://$first:631/printers/M1_front_office	$not_installed" \
    "	$second	M1_restarted	http://$second:631/printers/M1_restarted	$not_installed")"
found=$(m MSG_FOUND_COUNT)
check "the end: an information box that reads 2" "$box" "$(printf '%s\n' Velbrix "${found/"% d"/" 2"}" information)"
check "a 12 s search asks five times from each socket (0, 1, 2, 4 and 8 s)" "$(lan_query_counts)" "5 5"
if [[ "$E2E_SCENARIO" != *real-stack* ]]; then
    check "the restarted printer announced itself to the group" \
        "$(grep -c " $second M1_restarted(announce)$" "$E2E_ARTIFACTS/simulator.log")" 1
fi
check_firewall
screenshot restarted-found
drive message-box-ok >/dev/null
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
stop_late_print_server
finish
