#!/usr/bin/env bash
# The printer list at the session's display scaling (wine-session --dpi): its columns grow as the list did, so
# that after a search they fill the list without a horizontal scroll bar, as they do at 100 %. Leaves a picture
# of the window after the search.
source tests/e2e/lib.sh
language=$(session_catalogue)
m() { message "$language" "$1"; }

case "$VELBRIX_DPI" in
    96 | 120 | 144 | 192) ;;
    *) check "a display scaling this scenario knows" "$VELBRIX_DPI" "96, 120, 144 or 192"; finish; exit ;;
esac

seed_printer "Front office" "http://10.77.0.11:631/printers/M1_front_office" "Vantrel M1"
start_simulator --printer 10.77.0.11=M1_front_office --printer 10.77.0.59=M1_second_floor_copier || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
drive message-box 10000 >/dev/null
drive message-box-ok >/dev/null

widths=$(drive headers | tail -n +2 | cut -f1 | tr '\n' ' ')
read -r list_width scroll_bar <<<"$(drive printer-list-client)"
echo "  $VELBRIX_DPI DPI: columns $widths in a list $list_width pixels wide inside" | tee "$E2E_ARTIFACTS/columns.txt"
if [ "$VELBRIX_DPI" = 96 ]; then
    check "the columns' widths at 96 DPI" "$widths" "0 110 130 330 330 210 "
fi
total=$(echo "${widths% }" | tr ' ' '+' | bc)
check "the columns fill the list (${total} of ${list_width} pixels)" \
    "$(echo "$total <= $list_width && $total >= 0.97 * $list_width" | bc)" 1
check "no horizontal scroll bar" "$scroll_bar" no-hscroll
check "the rows after the search" "$(drive rows | cut -f2,3 | sort)" "$(printf '%s\n' \
    "10.77.0.11	M1_front_office" "10.77.0.59	M1_second_floor_copier")"
screenshot "after-search-$VELBRIX_DPI-dpi"
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
