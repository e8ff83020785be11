#!/usr/bin/env bash
# The About box, opened through the last item of the system menu as a person does with Alt+Space, Up, Enter.
source tests/e2e/lib.sh
lang=$(session_catalogue)
m() { message "$lang" "$1"; }

start_velbrix "$(supplier_folder)" || { finish; exit; }
drive open-system-menu >/dev/null
sleep 0.5
import -window root -crop 400x200+0+0 "$E2E_ARTIFACTS/system-menu.png"
drive key up >/dev/null
drive key enter >/dev/null
check "the last system-menu item opens the About box: title, text, OK, icon" "$(drive about)" \
    "$(printf '%s\n' "$(m MSG_ABOUT_TITLE)" "$(m MSG_ABOUT_VERSION)" 确定 icon)"
import -window root -crop 500x250+0+0 "$E2E_ARTIFACTS/about-box.png"
drive about-ok >/dev/null
check "OK closes the About box" "$(drive about-gone && echo closed)" closed

drive system-command 16 >/dev/null
drive about >/dev/null
drive key escape >/dev/null
check "Esc closes the About box" "$(drive about-gone && echo closed)" closed
check "the main window is still there" "$(drive title)" "$(m MSG_MAIN_TITLE)"

drive close >/dev/null
expect_velbrix_ends "the close box"
finish
