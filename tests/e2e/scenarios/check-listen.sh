#!/usr/bin/env bash
# VelbrixCheck --listen beside Velbrix on a desk of the LAN: a printer of each configured model, one of no
# configured model, one that names no queue, one whose answer is too long to read, one whose queue name would
# break the installation script (all played by the simulator) and a queue shared by a real mDNS stack each get
# their verdict, and a printer would be listed (exit code 0). Listening for a model none of them is lists nothing
# (exit code 1) and ends with the reason Velbrix would log.
source tests/e2e/lib.sh
m() { message english "$1"; }
t() { sed -n "s/^CHECK_TEXT($1, \"\\(.*\\)\")\$/\\1/p" tools/velbrix-check/logic/texts/english.inc; }

start_print_server 10.77.0.31=M1_server || { finish; exit; }
start_simulator --printer 10.77.0.11=M1_front --printer 10.77.0.12=M2_back --printer 10.77.0.13=X9_desk \
    --noise 10.77.0.14 --oversize 10.77.0.15=M1_big --printer '10.77.0.16=M1"&calc&"' || { finish; exit; }
folder=$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1' 'M2=Vantrel M2')")
cp "$E2E_BUILD/tools/velbrix-check/VelbrixCheck.exe" "$folder/"

# Each sender's line as ADDRESS|QUEUE|VERDICT, the bytes left out: the answers' lengths are the simulator's.
listen() {
    tests/e2e/wine-exec "$folder/VelbrixCheck.exe" --listen "$@" >"$E2E_ARTIFACTS/listen.txt" 2>&1
    LISTEN_EXIT=$?
    tr -d '\r' <"$E2E_ARTIFACTS/listen.txt" >"$E2E_ARTIFACTS/listen-$LISTEN_EXIT.txt"
}
senders() {
    sed -n 's/^\(10\.77\.0\.[0-9]*\): queue \(.*\), \(more than 1024\|[0-9]*\) bytes: \(.*\)$/\1|\2|\4/p' \
        "$E2E_ARTIFACTS/listen-$LISTEN_EXIT.txt" | sort
}
with() { local text; text=$(t "$1"); text=${text//\{1\}/$2}; echo "${text//\{2\}/${3:-}}"; }

listen
none=$(t NONE)
# The desk hears its own question too (10.77.0.1), as Velbrix does: it names no queue.
check "every model, the search time: the verdict of each sender" "$(senders)" "$(printf '%s\n' \
    "10.77.0.1|$none|$(t VERDICT_NO_QUEUE)" \
    "10.77.0.11|\"M1_front\"|$(with VERDICT_LISTED M1)" \
    "10.77.0.12|\"M2_back\"|$(with VERDICT_LISTED M2)" \
    "10.77.0.13|\"X9_desk\"|$(t VERDICT_OTHER_MODEL)" \
    "10.77.0.14|$none|$(t VERDICT_NO_QUEUE)" \
    "10.77.0.15|$none|$(with VERDICT_TOO_LONG 1024)" \
    "10.77.0.16|\"M1\"&calc&\"\"|$(with VERDICT_UNSAFE M1)" \
    "10.77.0.31|\"M1_server\"|$(with VERDICT_LISTED M1)" | sort)"
check "a printer would be listed: exit code 0" "$LISTEN_EXIT" 0
check "the heading: 3 seconds, both models" "$(head -n 1 "$E2E_ARTIFACTS/listen-0.txt" | sed 's/ [0-9.]*:/:/')" \
    "$(t LISTEN_HEADING | sed 's/ {1}:/:/;s/{2}/3/;s/{3}/M1, M2/')"
check "the summary: 3 printers" "$(tail -n 1 "$E2E_ARTIFACTS/listen-0.txt")" "$(with LISTEN_SUMMARY 3)"

listen M3 3
reason=$(m MSG_REASON_OTHER_MODEL)
reason=${reason/\%d/5}
reason=${reason/\%s/M3}
check "for a model none of them is: exit code 1" "$LISTEN_EXIT" 1
check "the last line: the reason Velbrix would log, five printers of other models" \
    "$(tail -n 1 "$E2E_ARTIFACTS/listen-1.txt" | sed 's/: [^:]*$//')" "${reason%%: %s.}"
check "each queue named: not of model M3" "$(senders | grep -v "$none" | cut -d'|' -f3 | sort -u)" \
    "$(with VERDICT_NOT_THE_MODEL M3)"
finish
