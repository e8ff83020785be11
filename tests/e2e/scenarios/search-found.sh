#!/usr/bin/env bash
# Three printers of the model among noise, an oversized datagram, a printer of another model and a second
# datagram from a known sender; two of them already installed, one at another address. The same behind the
# desk's firewall (wine-session --firewall), where only the answers by unicast arrive, and while another program
# holds port 5353 without sharing it (a scenario named *port-held*).
source tests/e2e/lib.sh
m() { message english "$1"; }

[[ "$E2E_SCENARIO" == *port-held* ]] && { hold_mdns_port || { finish; exit; }; }

seed_printer "Beta office" "http://10.77.0.12:631/printers/M1_beta" "Vantrel M1"
seed_printer "Gamma hall" "http://10.77.0.99:631/printers/M1_gamma" "Vantrel M1"
seed_printer "Other model" "http://10.77.0.50:631/printers/X9_zzzz" "Vantrel X9"
start_simulator --printer 10.77.0.11=M1_alpha --second 10.77.0.11=M1_again --noise 10.77.0.20 \
    --oversize 10.77.0.21=M1_big --printer 10.77.0.12=M1_beta --printer 10.77.0.22=X9_other \
    --printer 10.77.0.13=M1_gamma || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1' 'X9=Vantrel X9')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
[ -n "$MDNS_HOLDER_PID" ] && check "Velbrix holds no socket on 5353" "$(mdns_sockets)" 0
box=$(drive message-box 10000)

check "the count line: three installed, two of the model" "$(drive log | sed -n 4p)" \
    "[Notification] Installed printers on the computer:  3,  including the matching network printers :  2."
check "the rows: one per printer of the model, with its installation status" "$(drive rows)" "$(printf '%s\n' \
    "	10.77.0.11	M1_alpha	http://10.77.0.11:631/printers/M1_alpha	$(m MSG_STATUS_NOT_INSTALLED)	$(m MSG_REMARK_NOT_INSTALLED)" \
    "	10.77.0.12	M1_beta	http://10.77.0.12:631/printers/M1_beta	$(m MSG_STATUS_SAME_ADDRESS)	$(m MSG_REMARK_SAME_ADDRESS)" \
    "	10.77.0.13	M1_gamma	http://10.77.0.13:631/printers/M1_gamma	$(m MSG_STATUS_OTHER_ADDRESS)10.77.0.99	$(m MSG_REMARK_OTHER_ADDRESS)")"
check "the end: an information box that reads 3" "$box" "$(printf '%s\n' Velbrix \
    "[Notification] Searching done. Totally found:  3 matching network printer, you can select the printer to install the network printing driver." \
    information)"
check "the printers' LAN heard one query from 5353 and one from another port, from the desk's LAN address" \
    "$(lan_queries)" "$(expected_lan_queries)"
check_firewall
check "the log ends with the same line" "$(drive log | tail -n 1)" "$(echo "$box" | sed -n 2p)"
screenshot three-found
drive message-box-ok >/dev/null
sleep 0.3
check "a search that lists printers adds no line after its box" "$(drive log | tail -n 1)" "$(echo "$box" | sed -n 2p)"

log_before=$(drive log | tail -n +2)
check "a double click on a row is taken" "$(drive double-click-row 1 && echo clicked)" clicked
sleep 0.5
check "the double-clicked row is selected" "$(drive selected-row)" 1
check "a double click on a row opens nothing" "$(drive message-box 300 || echo 'no box')" "no box"
check "a double click on a row changes nothing" "$(drive log | tail -n +2)$(drive rows | wc -l)" "${log_before}3"
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
