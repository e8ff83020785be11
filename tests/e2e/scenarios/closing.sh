#!/usr/bin/env bash
# Every way a person ends the dialog, and a resize that moves no control.
source tests/e2e/lib.sh
folder=$(supplier_folder)

start_velbrix "$folder" || { finish; exit; }
before=$(drive layout)
drive resize 700 400 >/dev/null
check "resizing moves no control" "$(drive layout)" "$before"
drive key escape >/dev/null
expect_velbrix_ends "Esc"

start_velbrix "$folder" || { finish; exit; }
drive key tab >/dev/null
check "Tab moves the focus from the exit button to the printer list" "$(drive focus)" printer-list
drive key enter >/dev/null
expect_velbrix_ends "Enter with no button focused"

start_velbrix "$folder" || { finish; exit; }
drive close >/dev/null
expect_velbrix_ends "the close box"

start_velbrix "$folder" || { finish; exit; }
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
