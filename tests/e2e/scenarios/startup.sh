#!/usr/bin/env bash
# Start-up in the session's language: every caption, heading and the first log line from the catalogue that
# language reads, the model list, the buttons and the focus; a screenshot; the exit button ends the program.
source tests/e2e/lib.sh
lang=$(session_catalogue)
m() { message "$lang" "$1"; }

folder=$(supplier_folder '[COMMON]\r\nPrinterModelNums=2\r\nSearchDuration=5\r\n[PRT1]\r\nPrinterModel=M1\r\nPrinterDriverName=Vantrel M1\r\nPrinterDriverPath=m1.inf\r\n[PRT2]\r\nPrinterModel=M2\r\n')
start_velbrix "$folder" || { finish; exit; }

check "window title" "$(drive title)" "$(m MSG_MAIN_TITLE)"
check "controls: captions and enabled state, in tab order" "$(drive controls)" "$(printf '%s\n' \
    "2	Button	1	$(m MSG_EXIT_BUTTON)" \
    "1000	SysListView32	1	" \
    "1003	Button	1	$(m MSG_SEARCH_BUTTON)" \
    "1004	ComboBox	1	$(m MSG_MODEL_PROMPT)" \
    "-1	Static	1	$(m MSG_MODEL_LABEL)" \
    "1005	Button	0	$(m MSG_INSTALL_BUTTON)" \
    "1006	ListBox	1	")"
check "printer list style and columns" "$(drive headers)" "$(printf '%s\n' 0x21 "0	" "110	$(m MSG_COLUMN_ADDRESS)" \
    "130	$(m MSG_COLUMN_QUEUE)" "330	$(m MSG_COLUMN_PORT)" "330	$(m MSG_COLUMN_STATUS)" "210	$(m MSG_COLUMN_REMARK)")"
check "log: exactly the start-up line, selected" "$(drive log)" "$(printf '%s\n' 0 "$(m MSG_READY)")"
check "model list: the prompt, selected, then the models" "$(drive combo)" "$(printf '%s\n' 0 "$(m MSG_MODEL_PROMPT)" M1 M2)"
check "keyboard focus on the exit button" "$(drive focus)" exit
check "printer list is empty" "$(drive rows)" ""
screenshot "main-${LANG%%.*}"

drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
