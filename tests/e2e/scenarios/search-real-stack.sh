#!/usr/bin/env bash
# Three queues shared by a real mDNS stack (not ours), as a print server shares them, each answering from an
# address of its own: every one is listed under its true queue, on a desk with one adapter and on one whose
# second adapter holds the multicast route; the same behind the desk's firewall (wine-session --firewall) and
# while another program holds port 5353 without sharing it (a scenario named *port-held*). The simulator beside
# it only counts the queries the LAN hears.
source tests/e2e/lib.sh
m() { message english "$1"; }

[[ "$E2E_SCENARIO" == *port-held* ]] && { hold_mdns_port || { finish; exit; }; }

start_print_server 10.77.0.31=M1_front_office 10.77.0.32=M1_back_office 10.77.0.33=M1_reception ||
    { finish; exit; }
start_simulator || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
box=$(drive message-box 10000)

not_installed="$(m MSG_STATUS_NOT_INSTALLED)	$(m MSG_REMARK_NOT_INSTALLED)"
check "the rows: the three queues at their own addresses" "$(drive rows | sort -t'	' -k2)" "$(printf '%s\n' \
    "	10.77.0.31	M1_front_office	http://10.77.0.31:631/printers/M1_front_office	$not_installed" \
    "	10.77.0.32	M1_back_office	http://10.77.0.32:631/printers/M1_back_office	$not_installed" \
    "	10.77.0.33	M1_reception	http://10.77.0.33:631/printers/M1_reception	$not_installed")"
found=$(m MSG_FOUND_COUNT)
check "the end: an information box that reads 3" "$box" "$(printf '%s\n' Velbrix "${found/"% d"/" 3"}" information)"
check "the printers' LAN heard one query from 5353 and one from another port, from the desk's LAN address" \
    "$(lan_queries)" "$(expected_lan_queries)"
check_firewall
screenshot real-stack-found
drive message-box-ok >/dev/null
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
