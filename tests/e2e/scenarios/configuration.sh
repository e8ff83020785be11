#!/usr/bin/env bash
# What the start-up shows for a folder without velbrix.ini, and for a velbrix.ini with a setting of -1.
source tests/e2e/lib.sh
m() { message english "$1"; }

folder=$(supplier_folder)
start_velbrix "$folder" || { finish; exit; }
check "no velbrix.ini: log holds the start-up line only" "$(drive log)" "$(printf '%s\n' 0 "$(m MSG_READY)")"
check "no velbrix.ini: model list holds the prompt only" "$(drive combo)" "$(printf '%s\n' 0 "$(m MSG_MODEL_PROMPT)")"
drive close >/dev/null
expect_velbrix_ends "the close box"

folder=$(supplier_folder '[COMMON]\r\nPrinterModelNums=1\r\nSearchDuration=-1\r\n[PRT1]\r\nPrinterModel=M1\r\n')
start_velbrix "$folder" || { finish; exit; }
check "a setting of -1: 110, then the start-up line" "$(drive log)" "$(printf '%s\n' 1 "$(m MSG_INI_SETTING_INVALID)" "$(m MSG_READY)")"
check "a setting of -1: the model is still listed" "$(drive combo)" "$(printf '%s\n' 0 "$(m MSG_MODEL_PROMPT)" M1)"
drive close >/dev/null
expect_velbrix_ends "the close box"

# A UTF-16 file with a Chinese model name, as a supplier's editor saves it.
folder=$(supplier_folder)
printf '[COMMON]\r\nPrinterModelNums=1\r\n[PRT1]\r\nPrinterModel=云打印M1\r\n' | iconv -f UTF-8 -t UTF-16 >"$folder/velbrix.ini"
start_velbrix "$folder" || { finish; exit; }
check "UTF-16 velbrix.ini: the Chinese model name" "$(drive combo)" "$(printf '%s\n' 0 "$(m MSG_MODEL_PROMPT)" 云打印M1)"
drive close >/dev/null
expect_velbrix_ends "the close box"
finish
