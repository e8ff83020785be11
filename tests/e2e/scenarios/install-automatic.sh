#!/usr/bin/env bash
# Automatic installation (InstallMode=1) with a driver whose name is Chinese, read from a velbrix.ini in
# UTF-16LE: PrinterDriver.bat holds the installation command in code page 936, whatever the session's
# language, and runs from the system folder while a notice shows that closes itself about 5 s after it
# appeared; the printer is then in the spooler and the end says so. A driver name with a character that code
# page 936 has no form for (a Hangul syllable) gives no script to run.
source tests/e2e/lib.sh
catalogue=$(session_catalogue)
m() { message "$catalogue" "$1"; }
use_stand_in_rundll32

start_simulator --printer 10.77.0.11=M1_alpha --printer 10.77.0.15=M2_lab || { finish; exit; }
folder=$(supplier_folder)
script=$folder/PrinterDriver.bat
write_utf16_ini "$folder/velbrix.ini" "$(automatic_velbrix_ini 3 'M1=Vantrel M1 彩色激光 PCL6' 'M2=Vantrel M2 한 PS')"
mkdir -p "$folder/drivers"
write_utf16_ini "$folder/drivers/1.inf" '[Strings]\r\nModel="Vantrel M1 彩色激光 PCL6"\r\n'
start_velbrix "$folder" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
drive message-box 10000 >/dev/null
drive message-box-ok >/dev/null

alpha=http://10.77.0.11:631/printers/M1_alpha
logged=$(drive log | wc -l)
drive select-row 0 >/dev/null
# The watcher starts first: a Wine program takes a moment to start, and it must see the notice appear.
drive watch-message-box 15000 >"$E2E_ARTIFACTS/notice.txt" &
watcher=$!
drive press install >/dev/null
drive message-box 5000 >/dev/null && screenshot notice box
wait "$watcher"
notice=$(cat "$E2E_ARTIFACTS/notice.txt")
check "the notice" "$(echo "$notice" | sed -n 2,4p)" \
    "$(printf '%s\n' "$(m MSG_INSTALL_NOTICE_CAPTION)" "$(m MSG_INSTALL_NOTICE)" information)"
shown=$(echo "$(echo "$notice" | sed -n 5p) - $(echo "$notice" | sed -n 1p)" | bc)
echo "  the notice showed for $shown s" | tee "$E2E_ARTIFACTS/notice-duration.txt"
check "the notice closes itself about 5 s after it appeared" "$(echo "$shown >= 4 && $shown <= 9" | bc)" 1
done_box=$(drive message-box 10000)
# The command interpreter reads a batch file in the console's code page. Where that is code page 936 (a
# Chinese Windows) the script's Chinese comes through whole and the printer is installed; elsewhere the
# driver's name and the folder's Chinese arrive garbled, the driver is refused, and the end says so.
if [ "$catalogue" = chinese ]; then
    check "the end: a box with the new printer's name" "$done_box" "$(printf '%s\n' Velbrix \
        "$(m MSG_INSTALL_DONE)M1_alpha on $alpha$(m MSG_INSTALL_DONE_ADVICE)" information)"
    check "the spooler has the printer with its port and driver" "$(spooler_printers)" \
        "$(printf 'M1_alpha on %s\t%s\tVantrel M1 彩色激光 PCL6' "$alpha" "$alpha")"
else
    check "the end: the printer was not installed, the driver refused" "$done_box" "$(printf '%s\n' Velbrix \
        "$(m MSG_PRINTER_NOT_INSTALLED)M1_alpha on $alpha$(m MSG_NOT_INSTALLED_DRIVER_REFUSED)" warning)"
    check "the spooler has no printer" "$(spooler_printers)" ""
fi
screenshot installation-end box
check "the system's rundll32 ran, from the system folder" "$(stand_in_runs | cut -d '>' -f 1)" 'C:\windows\system32'
check "the log: script, end" "$(drive log | tail -n +$((logged + 1)))" "$(printf '%s\n' \
    "$(m MSG_PREPARING_INSTALL)M1_alpha" "$(m MSG_INSTALLING_PRINTER)M1_alpha" \
    "$(m MSG_SCRIPT_WRITTEN)$(windows_path "$script")" "$(m MSG_SCRIPT_RUNNING)" "$(echo "$done_box" | sed -n 2p)")"
check "PrinterDriver.bat: the installation command in code page 936" "$(bytes "$script")" "$(script_text \
    "rundll32 printui.dll, PrintUIEntry /if /b \"M1_alpha on $alpha\" /f \"$(windows_path "$folder")\\drivers\\1.inf\" /r \"$alpha\" /m \"Vantrel M1 彩色激光 PCL6\"" |
    iconv -f UTF-8 -t CP936 | bytes)"
drive message-box-ok >/dev/null

# The second model's driver name holds a Hangul syllable.
drive select-model 2 >/dev/null
drive press search >/dev/null
drive message-box 10000 >/dev/null
drive message-box-ok >/dev/null
logged=$(drive log | wc -l)
drive select-row 0 >/dev/null
drive press install >/dev/null
check "no code page 936 form: a warning box" "$(drive message-box 5000)" \
    "$(printf '%s\n' Velbrix "$(m MSG_SCRIPT_NOT_WRITTEN)" warning)"
drive message-box-ok >/dev/null
check "no code page 936 form: nothing run, nothing more logged" "$(drive log | tail -n +$((logged + 1)))" \
    "$(printf '%s\n' "$(m MSG_PREPARING_INSTALL)M2_lab" "$(m MSG_INSTALLING_PRINTER)M2_lab")"
check "no code page 936 form: the buttons enabled again" "$(command_buttons)" "search=on install=on exit=on"
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
