#!/usr/bin/env bash
# The printer list at the session's display scaling (wine-session --dpi): its columns grow with the DPI as the
# dialog does, so that after a search every heading and a 15-character address are shown whole, and the
# columns fill the list as they do at 100 %. Leaves a picture of the window after the search.
source tests/e2e/lib.sh
language=$(session_catalogue)
m() { message "$language" "$1"; }

case "$VELBRIX_DPI" in
    96) widths="0 110 130 330 330 210" ;;
    120) widths="0 138 163 413 413 263" ;;
    144) widths="0 165 195 495 495 315" ;;
    192) widths="0 220 260 660 660 420" ;;
    *) check "a display scaling this scenario knows" "$VELBRIX_DPI" "96, 120, 144 or 192"; finish; exit ;;
esac

seed_printer "Front office" "http://10.77.0.11:631/printers/M1_front_office" "Vantrel M1"
start_simulator --printer 10.77.0.11=M1_front_office --printer 10.77.0.59=M1_second_floor_copier || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
drive message-box 10000 >/dev/null
drive message-box-ok >/dev/null

check "the columns' widths at $VELBRIX_DPI DPI" "$(drive headers | tail -n +2 | cut -f1 | tr '\n' ' ')" "$widths "
list_width=$(drive layout | awk '$1 == 1000 {print $4}')
total=$(echo "$widths" | tr ' ' '+' | bc)
# At 100 % the columns take 99 % of the list; fixed widths would leave a third of it empty at 150 %. The
# dialog grows with its font's measures, which is a little less than the DPI: the scaled columns overrun the
# list by up to 9 % (at 125 %), and the list scrolls sideways.
check "the columns fill the list (${total} of ${list_width} pixels)" \
    "$(echo "$total >= 0.9 * $list_width && $total <= 1.1 * $list_width" | bc)" 1
check "the rows after the search" "$(drive rows | cut -f2,3 | sort)" "$(printf '%s\n' \
    "10.77.0.11	M1_front_office" "10.77.0.59	M1_second_floor_copier")"
screenshot "after-search-$VELBRIX_DPI-dpi"
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
