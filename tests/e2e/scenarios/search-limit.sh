#!/usr/bin/env bash
# Twenty-one printers of the model answer: the list shows twenty and the end report counts twenty.
source tests/e2e/lib.sh
printers=()
for host in $(seq 11 31); do
    printers+=(--printer "10.77.0.$host=M1_$host")
done
start_simulator --gap 5 "${printers[@]}" || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
box=$(drive message-box 10000)
check "twenty rows" "$(drive rows | wc -l)" 20
check "the twentieth is the twentieth printer" "$(drive rows | tail -n 1 | cut -f2)" 10.77.0.30
check "the report counts twenty" "$(echo "$box" | sed -n 2p | grep -o 'found:  20 ')" "found:  20 "
drive message-box-ok >/dev/null
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
