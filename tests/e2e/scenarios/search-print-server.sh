#!/usr/bin/env bash
# A printer shared by a print server: the recorded answer of a real cupsd and avahi-daemon, replayed byte for
# byte, whose adminurl is followed by the length byte of the next TXT string (0x08), gives one row, at the
# address of the A record the answer gives for the SRV record's host (10.78.0.20, where it was recorded), not at
# its sender's.
source tests/e2e/lib.sh
m() { message english "$1"; }

start_simulator --replay 10.77.0.30=tests/data/cups-ipp-answer.bin || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
box=$(drive message-box 10000)

check "the row: the queue M1_Lab at its host's address, not installed" "$(drive rows)" \
    "	10.78.0.20	M1_Lab	http://10.78.0.20:631/printers/M1_Lab	$(m MSG_STATUS_NOT_INSTALLED)	$(m MSG_REMARK_NOT_INSTALLED)"
found=$(m MSG_FOUND_COUNT)
check "the end: an information box that reads 1" "$box" "$(printf '%s\n' Velbrix "${found/"% d"/" 1"}" information)"
screenshot print-server-found
drive message-box-ok >/dev/null
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
