#!/usr/bin/env bash
# Printers on a subnet of their own behind a router that reflects mDNS (wine-session --reflector: Debian's
# avahi-daemon), each a host of its own: a printer and a print server with two queues played by the simulator,
# a printer and a print server with two queues shared by a real mDNS stack (python3-zeroconf). Every answer
# reaches the desk from the router's address, and every queue is listed at its own printer's address, in the
# session's language; the same behind the desk's firewall (wine-session --firewall), where only the answers the
# router relays by unicast arrive. Then the guided installation of the real stack's printer puts that printer's
# own address on the clipboard, and the Add Printer wizard leaves it in the spooler. A real mDNS browser
# (python3-zeroconf) on the desk then resolves the same six queues at the same addresses (not behind the firewall).
source tests/e2e/lib.sh
catalogue=$(session_catalogue)
m() { message "$catalogue" "$1"; }
use_stand_in_rundll32
stand_in_wizard "Vantrel M1 (south)"

start_far_simulator 10.80.0.11 --printer 10.80.0.11=M1_north || { finish; exit; }
start_far_print_server 10.80.0.12 M1_south || { finish; exit; }
start_far_simulator 10.80.0.13 --server 10.80.0.13=M1_east_1,M1_east_2 || { finish; exit; }
start_far_print_server 10.80.0.14 M1_west_1 M1_west_2 || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
box=$(drive message-box 10000)

row() { not_installed_row "$1" "$2" "$catalogue"; }
check "the rows: every queue at its own printer's address, not the router's" "$(drive rows | LC_ALL=C sort -t'	' -k2,3)" \
    "$(row 10.80.0.11 M1_north; row 10.80.0.12 M1_south; row 10.80.0.13 M1_east_1; row 10.80.0.13 M1_east_2
        row 10.80.0.14 M1_west_1; row 10.80.0.14 M1_west_2)"
# The count is written into the message as Velbrix formats it (" 6" in English, "6" in Chinese).
# shellcheck disable=SC2059
check "the end: an information box that reads 6" "$box" "$(printf '%s\n' Velbrix "$(printf "$(m MSG_FOUND_COUNT)" 6)" \
    information)"
check "the desk heard nobody but the router (and its own question)" "$(traced_senders | grep -vx 10.77.0.1)" 10.77.0.2
check "the printers' subnet heard both kinds of the desk's question from the router" "$(far_queries 10.80.0.11)" \
    "$(printf '%s\n' "10.80.0.1 from 5353" "10.80.0.1 from another port")"
check_firewall
screenshot reflector-found
drive message-box-ok >/dev/null

# The guided installation of the real stack's printer, at its own address.
south=http://10.80.0.12:631/printers/M1_south
logged=$(drive log | wc -l)
drive select-row "$(($(drive rows | grep -n "	M1_south	" | cut -d: -f1) - 1))" >/dev/null
drive press install >/dev/null
check "the guidance box" "$(drive message-box 5000)" \
    "$(printf '%s\n' "$(m MSG_GUIDANCE_CAPTION)" "$(m MSG_GUIDANCE_BOX)" information)"
check "the clipboard holds the printer's own address" "$(xclip -o -selection clipboard | bytes)" \
    "$(printf %s "$south" | bytes)"
drive message-box-ok >/dev/null
done_box=$(drive message-box 20000)
check "the end: a box with the name the wizard gave the printer" "$done_box" "$(printf '%s\n' Velbrix \
    "$(m MSG_INSTALL_DONE)Vantrel M1 (south)$(m MSG_INSTALL_DONE_ADVICE)" information)"
check "the log names the queue installed" "$(drive log | tail -n +$((logged + 1)) | sed -n 1p)" \
    "$(m MSG_PREPARING_INSTALL)M1_south"
check "the spooler holds the printer at its own address" "$(spooler_printers | cut -f 1,2)" \
    "$(printf '%s\t%s' "Vantrel M1 (south)" "$south")"
screenshot reflector-installed box
drive message-box-ok >/dev/null
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
# Not behind the firewall, which drops the answers to the browser's questions as it drops Velbrix's.
[ -n "${VELBRIX_FIREWALL_TABLE:-}" ] && { finish; exit; }
browsed() { printf '%s._ipp._tcp.local. %s http://%s:631/printers/%s\n' "$2" "$1" "$1" "$2"; }
check "a real mDNS browser on the desk resolves the same queues at the same addresses through the reflector" \
    "$(browse_ipp 6 10)" "$(browsed 10.80.0.13 M1_east_1; browsed 10.80.0.13 M1_east_2; browsed 10.80.0.11 M1_north
        browsed 10.80.0.12 M1_south; browsed 10.80.0.14 M1_west_1; browsed 10.80.0.14 M1_west_2)"
finish
