#!/usr/bin/env bash
# The demo's run, as scripts/demo shows it: four printers, a noise sender, a printer of another model and a
# print server's recorded answer on the LAN; the sample supplier folder (tools/demo/velbrix.ini, guided
# installation); one printer of the model already installed at an older address. A search as a person runs
# it, then the guided installation of that printer at its new address, finished in the lab's Add Printer
# wizard under a name of its own. Leaves the pictures, the boxes' texts, the printer list, the log and
# PrinterDriver.bat beside the checks.
source tests/e2e/lib.sh
catalogue=$(session_catalogue)
m() { message "$catalogue" "$1"; }
use_stand_in_rundll32
stand_in_wizard "Vantrel M1 (front office)"

seed_printer "Vantrel M1 (front office)" "http://10.77.0.99:631/printers/M1_front_office" "Vantrel M1 PCL6"
start_simulator --printer 10.77.0.11=M1_front_office --printer 10.77.0.12=M1_warehouse \
    --noise 10.77.0.20 --printer 10.77.0.13=vantrel --printer 10.77.0.21=M2_lab \
    --replay 10.77.0.30=tests/data/cups-ipp-answer.bin || { finish; exit; }
folder=$(supplier_folder)
cp tools/demo/velbrix.ini "$folder/"
start_velbrix "$folder" || { finish; exit; }
screenshot 1-started
drive select-model 1 >/dev/null
drive press search >/dev/null
sleep 1
screenshot 2-searching
drive message-box 30000 >"$E2E_ARTIFACTS/end-of-search.txt"
screenshot 3-search-done
check "the end of the search: an information box" "$(sed -n 3p "$E2E_ARTIFACTS/end-of-search.txt")" information
drive message-box-ok >/dev/null
drive rows >"$E2E_ARTIFACTS/printers.txt"
check "the printers of M1, each once, the fixed queue under the model's name" \
    "$(cut -f2,3 "$E2E_ARTIFACTS/printers.txt" | sort)" "$(printf '%s\n' '10.77.0.11	M1_front_office' \
    '10.77.0.12	M1_warehouse' '10.77.0.13	M1_9108' '10.78.0.20	M1_Lab')"
check "the front office printer is installed at its older address" \
    "$(awk -F'\t' '$3 == "M1_front_office" { print $5 }' "$E2E_ARTIFACTS/printers.txt")" \
    "$(m MSG_STATUS_OTHER_ADDRESS)10.77.0.99"

row=$(awk -F'\t' '$3 == "M1_front_office" { print NR - 1 }' "$E2E_ARTIFACTS/printers.txt")
drive select-row "${row:-0}" >/dev/null
drive press install >/dev/null
drive message-box 10000 >"$E2E_ARTIFACTS/guidance.txt"
screenshot 4-guidance box
check "the guidance box" "$(cat "$E2E_ARTIFACTS/guidance.txt")" \
    "$(printf '%s\n' "$(m MSG_GUIDANCE_CAPTION)" "$(m MSG_GUIDANCE_BOX)" information)"
drive message-box-ok >/dev/null
drive message-box 30000 >"$E2E_ARTIFACTS/end-of-installation.txt"
front=http://10.77.0.11:631/printers/M1_front_office
screenshot 5-installed box
check "the end of the installation names the printer the wizard added" \
    "$(cat "$E2E_ARTIFACTS/end-of-installation.txt")" "$(printf '%s\n' Velbrix \
        "$(m MSG_INSTALL_DONE)Vantrel M1 (front office)$(m MSG_INSTALL_DONE_ADVICE)" information)"
drive message-box-ok >/dev/null
check "the printer at the older address is deleted, the wizard's is at the new one" "$(spooler_printers | cut -f 1,2)" \
    "$(printf 'Vantrel M1 (front office)\t%s' "$front")"
cp "$folder/PrinterDriver.bat" "$E2E_ARTIFACTS/"
check "PrinterDriver.bat opens the Add Printer wizard" "$(bytes "$folder/PrinterDriver.bat")" \
    "$(script_text 'rundll32 printui.dll, PrintUIEntry /il /z' | bytes)"
drive log | tail -n +2 >"$E2E_ARTIFACTS/log.txt"
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
