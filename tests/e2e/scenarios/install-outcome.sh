#!/usr/bin/env bash
# What an automatic installation ends with is what the spooler shows: a printer installed, then the same
# installation on a desk that refuses it (the stand-in refusing, as a desk without administrator rights does)
# on a desk whose policy turns off printing over HTTP, and beside a printer of the same name that another
# driver serves. Only the first ends with "the installation is done"; the others end with a warning that names
# what Velbrix can tell, and leave no printer.
source tests/e2e/lib.sh
catalogue=$(session_catalogue)
m() { message "$catalogue" "$1"; }
use_stand_in_rundll32

delta_name="M1_delta on http://10.77.0.14:631/printers/M1_delta"
seed_printer "$delta_name" "http://10.77.0.99:631/printers/M1_delta" "Generic Text"
start_simulator --printer 10.77.0.11=M1_alpha --printer 10.77.0.12=M1_beta --printer 10.77.0.13=M1_gamma \
    --printer 10.77.0.14=M1_delta || { finish; exit; }
folder=$(supplier_folder)
write_utf16_ini "$folder/velbrix.ini" "$(automatic_velbrix_ini 3 'M1=Vantrel M1 PCL6')"
mkdir -p "$folder/drivers"
write_utf16_ini "$folder/drivers/1.inf" '[Strings]\r\nModel="Vantrel M1 PCL6"\r\n'
start_velbrix "$folder" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
drive message-box 10000 >/dev/null
drive message-box-ok >/dev/null
drive rows >"$E2E_ARTIFACTS/printers.txt"

# Installs the row of a queue, lets the notice close itself, and gives the end box; the log lines it added
# go to the file named.
install() {
    local row logged
    row=$(awk -F'\t' -v queue="$1" '$3 == queue { print NR - 1 }' "$E2E_ARTIFACTS/printers.txt")
    logged=$(drive log | wc -l)
    drive select-row "${row:-0}" >/dev/null
    drive press install >/dev/null
    drive message-box 10000 >/dev/null
    sleep 6
    drive message-box 20000
    drive log | tail -n +$((logged + 1)) >"$E2E_ARTIFACTS/log-$1.txt"
}
port() { echo "http://$1:631/printers/$2"; }

alpha=$(port 10.77.0.11 M1_alpha)
check "installed: the end names the printer" "$(install M1_alpha)" "$(printf '%s\n' Velbrix \
    "$(m MSG_INSTALL_DONE)M1_alpha on $alpha$(m MSG_INSTALL_DONE_ADVICE)" information)"
screenshot installed box
drive message-box-ok >/dev/null
check "installed: the printer is in the spooler" "$(spooler_printers | grep -F "M1_alpha on")" \
    "$(printf 'M1_alpha on %s\t%s\tVantrel M1 PCL6' "$alpha" "$alpha")"

stand_in_refuses
beta=$(port 10.77.0.12 M1_beta)
refused="$(m MSG_PRINTER_NOT_INSTALLED)M1_beta on $beta$(m MSG_NOT_INSTALLED_DRIVER_REFUSED)"
check "refused: a warning, not the end of an installation" "$(install M1_beta)" \
    "$(printf '%s\n' Velbrix "$refused" warning)"
screenshot refused box
drive message-box-ok >/dev/null
check "refused: the warning is the log's last line, and nothing says the installation is done" \
    "$(tail -n 1 "$E2E_ARTIFACTS/log-M1_beta.txt") $(grep -c "$(m MSG_INSTALL_DONE)" "$E2E_ARTIFACTS/log-M1_beta.txt")" \
    "$refused 0"
check "refused: no new printer in the spooler" "$(spooler_printers | cut -f 1 | sort)" \
    "$(printf '%s\n' "M1_alpha on $alpha" "$delta_name" | sort)"

tests/e2e/wine-exec reg delete 'HKCU\Software\Velbrix Lab\Rundll32' /v Refuse /f >/dev/null 2>&1
tests/e2e/wine-exec reg add 'HKLM\SOFTWARE\Policies\Microsoft\Windows NT\Printers' /v DisableHTTPPrinting \
    /t REG_DWORD /d 1 /f >/dev/null 2>&1
gamma=$(port 10.77.0.13 M1_gamma)
check "printing over HTTP turned off: the warning names it" "$(install M1_gamma)" "$(printf '%s\n' Velbrix \
    "$(m MSG_PRINTER_NOT_INSTALLED)M1_gamma on $gamma$(m MSG_NOT_INSTALLED_HTTP_PRINTING_OFF)" warning)"
screenshot http-printing-off box
drive message-box-ok >/dev/null
check "printing over HTTP turned off: no new printer in the spooler" "$(spooler_printers | cut -f 1 | sort)" \
    "$(printf '%s\n' "M1_alpha on $alpha" "$delta_name" | sort)"

tests/e2e/wine-exec reg delete 'HKLM\SOFTWARE\Policies\Microsoft\Windows NT\Printers' /v DisableHTTPPrinting /f \
    >/dev/null 2>&1
check "a printer of the name already there: the warning names it" "$(install M1_delta)" "$(printf '%s\n' Velbrix \
    "$(m MSG_PRINTER_NOT_INSTALLED)$delta_name$(m MSG_NOT_INSTALLED_NAME_TAKEN)" warning)"
screenshot name-taken box
drive message-box-ok >/dev/null
check "a printer of the name already there: it is kept as it was" \
    "$(spooler_printers | grep -F "$delta_name" | cut -f 2,3)" \
    "$(printf 'http://10.77.0.99:631/printers/M1_delta\tGeneric Text')"
check "after the installations: the buttons enabled" "$(command_buttons)" "search=on install=on exit=on"
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
