#!/usr/bin/env bash
# A printer that does not hear the first two questions of a search (its whole first round: the question from
# port 5353 and the one from another port) answers the next ones, by multicast and by unicast, and is listed
# once. Against the simulator (--misses), and against a real mDNS stack (a scenario named *real-stack*:
# python3-zeroconf, whose namespace drops the first two questions the desk sends, by count, not by chance).
source tests/e2e/lib.sh
m() { message english "$1"; }

if [[ "$E2E_SCENARIO" == *real-stack* ]]; then
    printer=10.77.0.31
    start_print_server "$printer=M1_front_office" || { finish; exit; }
    printers_miss_first_questions 2
    start_simulator || { finish; exit; }
else
    printer=10.77.0.11
    start_simulator --printer "$printer=M1_front_office" --misses "$printer=2" || { finish; exit; }
fi
start_velbrix "$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")" || { finish; exit; }
drive select-model 1 >/dev/null
drive press search >/dev/null
box=$(drive message-box 10000)

check "the printer is listed, once" "$(drive rows)" \
    "	$printer	M1_front_office	http://$printer:631/printers/M1_front_office	$(m MSG_STATUS_NOT_INSTALLED)	$(m MSG_REMARK_NOT_INSTALLED)"
found=$(m MSG_FOUND_COUNT)
check "the end: an information box that reads 1" "$box" "$(printf '%s\n' Velbrix "${found/"% d"/" 1"}" information)"
if [[ "$E2E_SCENARIO" == *real-stack* ]]; then
    check "the printers' namespace dropped the first two questions" "$(questions_missed)" 2
else
    check "the printer missed the first two questions" \
        "$(grep -c " query .*missed-by=$printer" "$E2E_ARTIFACTS/simulator.log")" 2
    check "it answered a later question by multicast and by unicast" \
        "$(awk -v p="$printer" '$2 == p { print ($4 ~ /^unicast-to=/ ? "unicast" : "multicast") }' \
            "$E2E_ARTIFACTS/simulator.log" | sort -u | tr '\n' ' ')" "multicast unicast "
fi
screenshot missed-found
drive message-box-ok >/dev/null
drive press exit >/dev/null
expect_velbrix_ends "the exit button"
finish
