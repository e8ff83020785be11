#!/usr/bin/env bash
# Guided installation while the person takes a while in the Add Printer wizard (the lab's wizard stays open
# 8 s before it adds the printer): meanwhile the window answers, draws itself again after it was minimised,
# keeps its three buttons disabled and starts no second installation; when the wizard closes, the end names
# the printer the wizard added.
source tests/e2e/lib.sh
catalogue=$(session_catalogue)
m() { message "$catalogue" "$1"; }
use_stand_in_rundll32
stand_in_wizard "Vantrel M1 (front desk)"
tests/e2e/wine-exec reg add 'HKCU\Software\Velbrix Lab\Rundll32' /v WizardSeconds /t REG_DWORD /d 8 /f \
    >/dev/null 2>&1

start_simulator --printer 10.77.0.11=M1_alpha || { finish; exit; }
folder=$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")
start_velbrix "$folder" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
drive message-box 10000 >/dev/null
drive message-box-ok >/dev/null

alpha=http://10.77.0.11:631/printers/M1_alpha
drive select-row 0 >/dev/null
drive press install >/dev/null
drive message-box 5000 >/dev/null
drive message-box-ok >/dev/null
# The wizard adds its printer only as it closes: while the spooler lacks it, the wizard is still open.
check "the window answers while the wizard is open" "$(drive responsiveness 2 >/dev/null && echo answers)" answers
drive minimise >/dev/null
drive restore >/dev/null
screenshot wizard-open
check "meanwhile: search, install and exit disabled" "$(command_buttons)" "search=off install=off exit=off"
drive press install >/dev/null
check "meanwhile: the wizard has added nothing yet" "$(spooler_printers | cut -f 1)" ""
done_box=$(drive message-box 30000)
check "the end names the printer the wizard added" "$done_box" "$(printf '%s\n' Velbrix \
    "$(m MSG_INSTALL_DONE)Vantrel M1 (front desk)$(m MSG_INSTALL_DONE_ADVICE)" information)"
screenshot wizard-closed-end box
check "one wizard: the install button pressed meanwhile started nothing" "$(stand_in_runs | grep -c PrintUIEntry)" 1
check "the spooler has the wizard's printer on the address" "$(spooler_printers | cut -f 1,2)" \
    "$(printf 'Vantrel M1 (front desk)\t%s' "$alpha")"
drive message-box-ok >/dev/null
check "after the installation: the buttons enabled" "$(command_buttons)" "search=on install=on exit=on"
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
