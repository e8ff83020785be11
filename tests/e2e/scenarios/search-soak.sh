#!/usr/bin/env bash
# Twenty searches in a row on a desk where another program holds port 5353 without sharing it and no printer
# answers: nothing ever wakes a listener, yet each one ends with its search. The Velbrix process's threads and
# the session's UDP sockets are counted after the first search and after the last: they do not grow.
source tests/e2e/lib.sh
m() { message english "$1"; }

SEARCHES=20
hold_mdns_port || { finish; exit; }
start_simulator --noise 10.77.0.20 || { finish; exit; }
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
check "wine-exec became the Velbrix process" "$(tr '\0' '\n' <"/proc/$(velbrix_unix_pid)/cmdline" | grep -c 'Velbrix.exe$')" 1
drive select-model 1 >/dev/null
: >"$E2E_ARTIFACTS/counts.txt"
for search in $(seq 1 "$SEARCHES"); do
    drive press search >/dev/null
    box=$(drive message-box 10000)
    drive message-box-ok >/dev/null
    # A listener gives its sockets back within about a second of its search's end.
    sleep 1
    echo "$search threads=$(velbrix_threads) udp_sockets=$(session_udp_sockets)" >>"$E2E_ARTIFACTS/counts.txt"
    [ "$search" = 1 ] && first_box=$box
done
sed 's/^/        /' "$E2E_ARTIFACTS/counts.txt"
check "every search ends with the nothing-found box" "$box" "$first_box"
check "the nothing-found box" "$box" "$(printf '%s\n' Velbrix "$(m MSG_NOTHING_FOUND)" warning)"
first=$(sed -n 1p "$E2E_ARTIFACTS/counts.txt" | cut -d' ' -f2-)
last=$(sed -n "${SEARCHES}p" "$E2E_ARTIFACTS/counts.txt" | cut -d' ' -f2-)
check "after $SEARCHES searches: as many threads and UDP sockets as after the first" "$last" "$first"
check "no socket of Velbrix left after the searches" "$(session_udp_sockets)" 0
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
