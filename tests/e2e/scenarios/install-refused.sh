#!/usr/bin/env bash
# The install button refuses, and writes no script: no row picked; queue names that could break out of the
# script's quotes (a double quote, a percent sign) and an empty one; a printer that no longer answers a
# ping; a printer installed earlier whose removal fails because it vanished after the search.
source tests/e2e/lib.sh
m() { message english "$1"; }
box() { printf '%s\n' Velbrix "$1" warning; }

# An empty queue name: the queue begins with a zero byte, so the row shows nothing in its queue column. Only
# the blank model (a section without PrinterModel) takes such a queue, as it takes every one.
python3 - "$E2E_ARTIFACTS/empty-queue.bin" <<'PY'
import sys
from importlib.machinery import SourceFileLoader
from importlib.util import module_from_spec, spec_from_loader

loader = SourceFileLoader("simulator", "tools/printer-simulator")
simulator = module_from_spec(spec_from_loader("simulator", loader))
loader.exec_module(simulator)
open(sys.argv[1], "wb").write(simulator.printer_answer("10.77.0.16", "\0M1_zero"))
PY
seed_printer "Gone office" "http://10.77.0.99:631/printers/M1_gone" "Vantrel M1"
start_simulator --printer '10.77.0.11=M1_"&calc&"' --printer 10.77.0.12=M1_%COMSPEC% \
    --replay 10.77.0.16="$E2E_ARTIFACTS/empty-queue.bin" --printer 10.77.0.13=M1_alpha \
    --printer 10.77.0.14=M1_gone || { finish; exit; }
folder=$(supplier_folder "$(velbrix_ini 3 '=Vantrel M1')")
start_velbrix "$folder" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
drive message-box 10000 >/dev/null
drive message-box-ok >/dev/null
check "the rows: quote, percent, empty queue, alpha, gone" "$(drive rows | cut -f2,3)" "$(printf '%s\n' \
    '10.77.0.11	M1_"&calc&"' '10.77.0.12	M1_%COMSPEC%' '10.77.0.16	' '10.77.0.13	M1_alpha' '10.77.0.14	M1_gone')"
log_before=$(drive log | tail -n +2)

drive press install >/dev/null
check "no row picked: a warning box" "$(drive message-box 5000)" "$(box "$(m MSG_NO_PRINTER_SELECTED)")"
drive message-box-ok >/dev/null

boxes=""
for row in 0 1 2; do
    drive select-row "$row" >/dev/null
    drive press install >/dev/null
    boxes+="$(drive message-box 5000)"$'\n'
    drive message-box-ok >/dev/null
done
check "a double quote, a percent sign, an empty queue: each refused as abnormal" "$boxes" \
    "$(for _ in 1 2 3; do box "$(m MSG_QUEUE_NAME_ABNORMAL)"; done)"$'\n'
check "none of them logs anything" "$(drive log | tail -n +2)" "$log_before"

# The printer's address leaves the LAN: its ping goes unanswered.
ip -n "$VELBRIX_LAN_NS" addr del 10.77.0.13/32 dev vbx-lan
drive select-row 3 >/dev/null
drive press install >/dev/null
check "no answer to the ping: a warning box" "$(drive message-box 5000)" "$(box "$(m MSG_PING_FAILED)")"
drive message-box-ok >/dev/null
check "no answer to the ping: the same line in the log, nothing else" "$(drive log | tail -n +2)" \
    "$(printf '%s\n' "$log_before" "$(m MSG_PING_FAILED)")"

# The printer this computer had for the queue is deleted behind Velbrix's back.
tests/e2e/wine-exec reg delete 'HKLM\System\CurrentControlSet\Control\Print\Printers\Gone office' /f >/dev/null 2>&1
logged=$(drive log | wc -l)
drive select-row 4 >/dev/null
drive press install >/dev/null
failed="$(m MSG_REMOVAL_FAILED)Gone office$(m MSG_REMOVAL_FAILED_ADVICE)"
check "removal failed: a warning box" "$(drive message-box 5000)" "$(box "$failed")"
drive message-box-ok >/dev/null
check "removal failed: the log stops there" "$(drive log | tail -n +$((logged + 1)))" "$(printf '%s\n' \
    "$(m MSG_PREPARING_INSTALL)M1_gone" "$(m MSG_REMOVING_PRINTER)Gone office" "$failed")"
check "removal failed: the buttons enabled again" "$(command_buttons)" "search=on install=on exit=on"
check "no PrinterDriver.bat was written" "$(ls "$folder")" "$(printf '%s\n' Velbrix.exe velbrix.ini)"
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
