#!/usr/bin/env bash
# Print servers on the LAN that share two queues of the model each from one address: one played by the
# simulator (both services in one answer), one a real mDNS stack (python3-zeroconf, one responder for both
# queues). Each queue is a printer of its own: four rows, two per address. A real mDNS browser (python3-zeroconf)
# on the desk then resolves the same four, the simulator's from its answers alone.
source tests/e2e/lib.sh
m() { message english "$1"; }

start_print_server 10.77.0.31=M1_upstairs 10.77.0.31=M1_downstairs || { finish; exit; }
start_simulator --server 10.77.0.30=M1_left,M1_right || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
box=$(drive message-box 10000)

row() { not_installed_row "$1" "$2"; }
check "the rows: both queues of each print server" "$(drive rows | LC_ALL=C sort -t'	' -k2,3)" \
    "$(row 10.77.0.30 M1_left; row 10.77.0.30 M1_right; row 10.77.0.31 M1_downstairs; row 10.77.0.31 M1_upstairs)"
found=$(m MSG_FOUND_COUNT)
check "the end: an information box that reads 4" "$box" "$(printf '%s\n' Velbrix "${found/"% d"/" 4"}" information)"
screenshot print-server-queues
drive message-box-ok >/dev/null
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
browsed() { printf '%s._ipp._tcp.local. %s http://%s:631/printers/%s\n' "$2" "$1" "$1" "$2"; }
check "a real mDNS browser on the desk resolves the same queues at the same addresses" "$(browse_ipp 4 10)" \
    "$(browsed 10.77.0.31 M1_downstairs; browsed 10.77.0.30 M1_left; browsed 10.77.0.30 M1_right
        browsed 10.77.0.31 M1_upstairs)"
finish
