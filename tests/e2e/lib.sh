# Sourced by the scenarios, which run inside a wine-session (tests/e2e/run-scenarios starts each in one of
# its own). Gives them the UI driver, the catalogue texts, supplier folders and checks that count.
set -uo pipefail

E2E_SCENARIO=${E2E_SCENARIO:-$(basename "$0" .sh)}
E2E_BUILD=${E2E_BUILD:-build/windows}
E2E_ARTIFACTS=${E2E_ARTIFACTS:-artifacts/e2e}/$E2E_SCENARIO
mkdir -p "$E2E_ARTIFACTS"
e2e_failures=0
e2e_checks=0
VELBRIX_PID=""

# The UI driver. Every call is written down in the artifacts with its exit status and how many lines it
# printed. Once in a few thousand calls a driver's Wine process ends without printing anything; a read that
# always prints at least a line is then asked once more (and the log says so), so that such a check reads
# the window, not the lost process.
drive_reads_always_print=" title controls layout focus command-buttons combo log headers printer-list-client state catalogue-language "
drive() {
    local out status attempt
    for attempt in 1 2; do
        status=0
        out=$(tests/e2e/wine-exec "$E2E_BUILD/velbrix_driver.exe" "$@") || status=$?
        out=${out//$'\r'/}
        printf '%s  drive %s: status %s, %s line(s)\n' "$(date +%T.%N)" "$*" "$status" \
            "$([ -n "$out" ] && printf '%s\n' "$out" | wc -l || echo 0)" >>"$E2E_ARTIFACTS/driver-calls.log"
        if [ -n "$out" ] || { [[ "$drive_reads_always_print" != *" $1 "* ]] && [ "$status" -le 2 ]; }; then
            break
        fi
        [ "$attempt" = 1 ] && echo "  note  the driver's '$*' ended with status $status and printed nothing; asked again" >&2
    done
    [ -z "$out" ] || printf '%s\n' "$out"
    return "$status"
}

# The catalogue Velbrix speaks in this session, named by its file in res/messages. The driver answers with
# Velbrix's own language choice, so that the scenarios keep no rule of their own about it.
session_catalogue() {
    case "$(drive catalogue-language)" in
        2052) echo chinese ;;
        1033) echo english ;;
        1049) echo russian ;;
        1065) echo persian ;;
    esac
}

# The text of a message by its name (res/messages/names.h) in one language's catalogue.
message() {
    sed -n "s/^VELBRIX_MESSAGE($2, \"\\(.*\\)\")\$/\\1/p" "res/messages/$1.inc"
}

check() {
    local what=$1 actual=$2 expected=$3
    e2e_checks=$((e2e_checks + 1))
    if [ "$actual" == "$expected" ]; then
        echo "  ok    $what"
    else
        e2e_failures=$((e2e_failures + 1))
        echo "  FAIL  $what"
        echo "        expected: $(printf '%q' "$expected")"
        echo "        actual:   $(printf '%q' "$actual")"
    fi
}

# A supplier folder holding a copy of Velbrix.exe and, when given, the velbrix.ini text (written as is).
supplier_folder() {
    local folder
    folder=$(mktemp -d "$WINEPREFIX/drive_c/${E2E_SUPPLIER_FOLDER:-supplier}.XXXXXX")
    cp "$E2E_BUILD/Velbrix.exe" "$folder/"
    [ $# -gt 0 ] && printf '%b' "$1" >"$folder/velbrix.ini"
    echo "$folder"
}

start_velbrix() {
    tests/e2e/wine-exec "$1/Velbrix.exe" >"$E2E_ARTIFACTS/stdout.txt" 2>&1 &
    VELBRIX_PID=$!
    if ! drive wait 20000 >/dev/null; then
        check "the Velbrix window appears" "no window" "window"
        return 1
    fi
}

# Waits for the started Velbrix to end by itself; ends it, by its PID, if it does not.
expect_velbrix_ends() {
    local what=$1 status=0
    if drive gone 10000 >/dev/null; then
        # The window is gone; the process must follow within seconds, not hold the scenario for good.
        local tenths=0
        while kill -0 "$VELBRIX_PID" 2>/dev/null && [ "$tenths" -lt 150 ]; do
            sleep 0.1
            tenths=$((tenths + 1))
        done
        if kill -0 "$VELBRIX_PID" 2>/dev/null; then
            check "$what ends the program's process" "still running 15 s after its window" "ended"
            kill "$VELBRIX_PID" 2>/dev/null
        fi
        wait "$VELBRIX_PID" || status=$?
        [ "$tenths" -lt 150 ] && check "$what ends the program (exit code)" "$status" 0
    else
        check "$what ends the program" "still running" "ended"
        drive state | sed 's/^/        /'
        screenshot still-running 2>/dev/null || true
        kill "$VELBRIX_PID" 2>/dev/null
        wait "$VELBRIX_PID" 2>/dev/null
    fi
    VELBRIX_PID=""
}

# A picture of the main window, or with "box" of the message box it shows.
screenshot() {
    import -window root -crop "$(drive rect ${2:+"$2"})" "$E2E_ARTIFACTS/$1.png"
}

finish() {
    stop_simulator
    stop_print_server
    stop_far_hosts
    stop_holding_mdns_port
    if [ -n "$VELBRIX_PID" ]; then
        kill "$VELBRIX_PID" 2>/dev/null
        wait "$VELBRIX_PID" 2>/dev/null
    fi
    echo "  $E2E_SCENARIO: $((e2e_checks - e2e_failures)) of $e2e_checks checks passed"
    [ "$e2e_failures" -eq 0 ]
}

SIMULATOR_PID=""

# A velbrix.ini with the models given as NAME=DRIVER, and a search time.
velbrix_ini() {
    local duration=$1 count=$(($# - 1)) n=0 text
    shift
    text="[COMMON]\r\nPrinterModelNums=$count\r\nSearchDuration=$duration\r\n"
    for model in "$@"; do
        n=$((n + 1))
        text+="[PRT$n]\r\nPrinterModel=${model%%=*}\r\nPrinterDriverName=${model#*=}\r\nPrinterDriverPath=drivers\\\\$n.inf\r\n"
    done
    printf '%s' "$text"
}

# velbrix_ini's text with automatic installation (InstallMode=1).
automatic_velbrix_ini() {
    local text
    text=$(velbrix_ini "$@")
    printf '%s' "${text/'[COMMON]\r\n'/'[COMMON]\r\nInstallMode=1\r\n'}"
}

# Simulated printers on the session's LAN (see tools/printer-simulator for the arguments).
start_simulator() {
    [ -n "${VELBRIX_LAN_NS:-}" ] || { check "the session has a LAN" "no" "yes"; return 1; }
    local ready="$E2E_ARTIFACTS/simulator.ready"
    # The log tells what this run's printers heard and sent, not what an earlier run left.
    rm -f "$ready" "$E2E_ARTIFACTS/simulator.log"
    ip netns exec "$VELBRIX_LAN_NS" python3 tools/printer-simulator --log "$E2E_ARTIFACTS/simulator.log" \
        --ready "$ready" "$@" &
    SIMULATOR_PID=$!
    for _ in $(seq 1 100); do
        [ -f "$ready" ] && return 0
        sleep 0.05
    done
    check "the printer simulator listens" "no" "yes"
    return 1
}

PRINT_SERVER_PID=""

# Queues shared by a real mDNS stack on the session's LAN, given as IP=QUEUE (see tools/print-server-mdns).
start_print_server() {
    [ -n "${VELBRIX_LAN_NS:-}" ] || { check "the session has a LAN" "no" "yes"; return 1; }
    local ready="$E2E_ARTIFACTS/print-server.ready" queue
    local -a queues=()
    for queue in "$@"; do
        queues+=(--queue "$queue")
    done
    rm -f "$ready"
    ip netns exec "$VELBRIX_LAN_NS" /usr/bin/python3 tools/print-server-mdns --ready "$ready" "${queues[@]}" \
        >"$E2E_ARTIFACTS/print-server.txt" 2>&1 &
    PRINT_SERVER_PID=$!
    # Each queue is probed and announced before it is shared: about two seconds.
    for _ in $(seq 1 200); do
        [ -f "$ready" ] && return 0
        kill -0 "$PRINT_SERVER_PID" 2>/dev/null || break
        sleep 0.05
    done
    check "the print server shares its queues" "no" "yes"
    return 1
}

# A list row as the driver reads it: a printer at ADDRESS sharing QUEUE, not installed on this computer, in a
# catalogue's language (english unless a third argument names another).
not_installed_row() {
    printf '\t%s\t%s\thttp://%s:631/printers/%s\t%s\t%s\n' "$1" "$2" "$1" "$2" \
        "$(message "${3:-english}" MSG_STATUS_NOT_INSTALLED)" "$(message "${3:-english}" MSG_REMARK_NOT_INSTALLED)"
}

# Ends the process whose PID the named variable holds, if any, and empties the variable.
stop_started() {
    local -n started_pid=$1
    if [ -n "$started_pid" ]; then
        kill "$started_pid" 2>/dev/null
        wait "$started_pid" 2>/dev/null
        started_pid=""
    fi
}

stop_print_server() { stop_started PRINT_SERVER_PID; }

stop_simulator() { stop_started SIMULATOR_PID; }

FAR_PIDS=()

# The namespace of a printer's host on the printers' subnet behind the reflector (wine-session --reflector).
far_host_namespace() {
    local entry
    for entry in ${VELBRIX_FAR_HOSTS:-}; do
        [ "${entry%%=*}" = "$1" ] && { echo "${entry#*=}"; return 0; }
    done
    return 1
}

# Waits for a host's program to write its ready file; checks WHAT when it does not.
far_host_ready() {
    local ready=$1 pid=$2 what=$3
    for _ in $(seq 1 200); do
        [ -f "$ready" ] && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    check "$what" no yes
    return 1
}

# Simulated printers on one host of the printers' subnet behind the reflector: HOST ARGUMENTS (see
# tools/printer-simulator); what they heard and sent is logged in far-HOST.log.
start_far_simulator() {
    local host=$1 namespace ready
    shift
    namespace=$(far_host_namespace "$host") || { check "the session has a printers' host $host" no yes; return 1; }
    ready="$E2E_ARTIFACTS/far-$host.ready"
    rm -f "$ready" "$E2E_ARTIFACTS/far-$host.log"
    ip netns exec "$namespace" python3 tools/printer-simulator --log "$E2E_ARTIFACTS/far-$host.log" --ready "$ready" \
        "$@" &
    FAR_PIDS+=($!)
    far_host_ready "$ready" $! "the printer simulator of $host listens"
}

# Queues shared by a real mDNS stack on one host of the printers' subnet behind the reflector, one print server
# of its own: HOST QUEUE...
start_far_print_server() {
    local host=$1 namespace ready queue
    local -a queues=()
    shift
    namespace=$(far_host_namespace "$host") || { check "the session has a printers' host $host" no yes; return 1; }
    for queue in "$@"; do
        queues+=(--queue "$host=$queue")
    done
    ready="$E2E_ARTIFACTS/far-$host.ready"
    rm -f "$ready"
    ip netns exec "$namespace" /usr/bin/python3 tools/print-server-mdns --ready "$ready" "${queues[@]}" \
        >"$E2E_ARTIFACTS/far-$host-print-server.txt" 2>&1 &
    FAR_PIDS+=($!)
    far_host_ready "$ready" $! "the print server of $host shares its queues"
}

stop_far_hosts() {
    local pid
    for pid in "${FAR_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    FAR_PIDS=()
}

# The queries a simulated printer's host behind the reflector heard, as lan_queries gives them.
far_queries() {
    awk '$3 == "query" { print $2, ($4 == 5353 ? "from 5353" : "from another port") }' \
        "$E2E_ARTIFACTS/far-$1.log" | sort -u
}

# The senders of the datagrams the started Velbrix traced on its standard output ("客户端地址：SENDER" in GBK),
# each once.
traced_senders() {
    local label=$'\xBF\xCD\xBB\xA7\xB6\xCB\xB5\xD8\xD6\xB7\xA3\xBA'
    LC_ALL=C grep -a -o "$label[0-9.]*" "$E2E_ARTIFACTS/stdout.txt" | LC_ALL=C sed "s/^$label//" | sort -u
}

# What a real mDNS browser (python3-zeroconf, on the desk's address) finds of _ipp._tcp within SECONDS, once it
# has COUNT instances or the time is up: one line per instance, "NAME ADDRESS ADMINURL", sorted.
browse_ipp() {
    /usr/bin/python3 - "$1" "$2" <<'PY'
import sys
import threading
import time

from zeroconf import IPVersion, ServiceBrowser, ServiceListener, Zeroconf

count, seconds = int(sys.argv[1]), float(sys.argv[2])
names, changed = set(), threading.Event()


class Listener(ServiceListener):
    def add_service(self, zc, kind, name):
        names.add(name)
        changed.set()

    def update_service(self, zc, kind, name):
        pass

    def remove_service(self, zc, kind, name):
        pass


zc = Zeroconf(interfaces=["10.77.0.1"], ip_version=IPVersion.V4Only)
ServiceBrowser(zc, "_ipp._tcp.local.", Listener())
deadline = time.monotonic() + seconds
while len(names) < count and time.monotonic() < deadline:
    changed.wait(0.2)
    changed.clear()
for name in sorted(names):
    info = zc.get_service_info("_ipp._tcp.local.", name, timeout=3000)
    address = info.parsed_addresses()[0] if info and info.parsed_addresses() else "-"
    adminurl = info.properties.get(b"adminurl", b"-").decode("latin-1") if info else "-"
    print(name, address, adminurl)
zc.close()
PY
}

MDNS_HOLDER_PID=""

# A program of the session that holds UDP port 5353 without sharing it (a bind without SO_REUSEADDR): every
# later bind of that port fails, as on a Windows desk where a program holds it with SO_EXCLUSIVEADDRUSE.
hold_mdns_port() {
    local ready="$E2E_ARTIFACTS/holder.ready"
    rm -f "$ready"
    python3 -c '
import socket, sys, time
holder = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
holder.bind(("0.0.0.0", 5353))
open(sys.argv[1], "w").write("holding\n")
while True:
    time.sleep(60)
' "$ready" &
    MDNS_HOLDER_PID=$!
    for _ in $(seq 1 100); do
        [ -f "$ready" ] && return 0
        sleep 0.05
    done
    check "a program holds port 5353" "no" "yes"
    return 1
}

stop_holding_mdns_port() { stop_started MDNS_HOLDER_PID; }

# The kinds of queries the printers' LAN heard (the simulator's log), one line each: the querier and whether it
# asked from the mDNS port or from another one.
lan_queries() {
    awk '$3 == "query" { print $2, ($4 == 5353 ? "from 5353" : "from another port") }' \
        "$E2E_ARTIFACTS/simulator.log" | sort -u
}

# How many queries the printers' LAN heard from the mDNS port and from another one: "5 5".
lan_query_counts() {
    awk '$3 == "query" { if ($4 == 5353) group++; else other++ } END { print group + 0, other + 0 }' \
        "$E2E_ARTIFACTS/simulator.log"
}

# What the queries should be: from the mDNS port (unless a program holds it) and from another port.
expected_lan_queries() {
    [ -z "$MDNS_HOLDER_PID" ] && echo "10.77.0.1 from 5353"
    echo "10.77.0.1 from another port"
}

# The session's firewall (wine-session --firewall), shown with its counters: its rule is there and it dropped
# datagrams sent to the mDNS group.
check_firewall() {
    [ -n "${VELBRIX_FIREWALL_TABLE:-}" ] || return 0
    # shellcheck disable=SC2086
    nft list table $VELBRIX_FIREWALL_TABLE >"$E2E_ARTIFACTS/firewall.txt" 2>&1
    sed 's/^/        /' "$E2E_ARTIFACTS/firewall.txt"
    local rule
    rule=$(grep -o 'ip daddr 224.0.0.0/4 udp dport 5353 counter packets [0-9]* bytes [0-9]* drop' \
        "$E2E_ARTIFACTS/firewall.txt")
    check "the firewall drops what is sent to the mDNS group" "${rule:+rule}" rule
    check "the firewall dropped answers sent to the group" \
        "$(echo "$rule" | awk '{ print ($9 > 0 ? "dropped" : "none") }')" dropped
}

# The printers' namespace drops the first COUNT questions the desk sends it, of either kind, and counts them:
# printers that miss them without any chance in it. A real mDNS stack can be made deaf this way, where the
# simulator's --misses cannot reach.
printers_miss_first_questions() {
    ip netns exec "$VELBRIX_LAN_NS" nft -f - <<MISS
table inet velbrix_missed {
    chain input {
        type filter hook input priority filter; policy accept;
        ip saddr 10.77.0.1 udp dport 5353 numgen inc mod 1000000 < $1 counter drop
    }
}
MISS
}

# How many questions printers_miss_first_questions dropped.
questions_missed() {
    ip netns exec "$VELBRIX_LAN_NS" nft list table inet velbrix_missed |
        grep -o 'counter packets [0-9]*' | awk '{ print $3 }'
}

# The number of threads of the Velbrix process: the Unix process Wine runs it in.
velbrix_threads() {
    ls "/proc/$(velbrix_unix_pid)/task" | wc -l
}

# The Unix process of the started Velbrix: wine-exec becomes it.
velbrix_unix_pid() {
    echo "$VELBRIX_PID"
}

# The UDP sockets of the session's wineserver, which holds every socket of the session's Windows programs.
session_udp_sockets() { ss -Huanp | grep -c "pid=$VELBRIX_WINESERVER_PID,"; }

# An installed printer in the prefix's spooler, as Wine's spooler reads it from the registry.
seed_printer() {
    local key="HKLM\\System\\CurrentControlSet\\Control\\Print\\Printers\\$1"
    tests/e2e/wine-exec reg add "$key" /v Name /d "$1" /f >/dev/null 2>&1
    tests/e2e/wine-exec reg add "$key" /v Port /d "$2" /f >/dev/null 2>&1
    tests/e2e/wine-exec reg add "$key" /v "Printer Driver" /d "$3" /f >/dev/null 2>&1
    tests/e2e/wine-exec reg add "$key" /v "Print Processor" /d WinPrint /f >/dev/null 2>&1
    tests/e2e/wine-exec reg add "$key" /v Datatype /d RAW /f >/dev/null 2>&1
}

# The mDNS sockets of this session's Velbrix exist in the session's namespace and nowhere else.
check_mdns_inside() {
    local inside outside
    inside=$(ss -Huanp 'sport = :5353' | grep -c "pid=$VELBRIX_WINESERVER_PID,")
    outside=$(nsenter --net="/proc/$VELBRIX_HOST_PID/ns/net" ss -Huanp 'sport = :5353' &&
        echo looked) || outside="could not look"
    [ "$outside" != "could not look" ] && outside=$(echo "$outside" | grep -c "pid=$VELBRIX_WINESERVER_PID,")
    check "the mDNS socket is bound inside the session's namespace" "$([ "$inside" -gt 0 ] && echo yes)" yes
    check "no mDNS socket of the session on the host's network" "$outside" 0
}

# The number of mDNS sockets of this session's wineserver: one per listener still alive.
mdns_sockets() { ss -Huanp 'sport = :5353' | grep -c "pid=$VELBRIX_WINESERVER_PID,"; }

now() { date +%s.%N; }

# Search, install and exit in the window's order: "search=on install=off exit=on".
command_buttons() { drive command-buttons; }

# The bytes of a file, or of standard input, as od shows them: line ends, zero bytes and bytes above 127 too.
bytes() { od -An -c "$@"; }

# PrinterDriver.bat's text for the commands given, one a line, after the lines that switch the interpreter to
# code page 936 (UTF-8 here: convert it before comparing bytes).
script_text() {
    printf 'chcp 936 >nul\r\nif errorlevel 1 exit /b 1\r\n'
    printf '%s\r\n' "$@"
}

# The Windows form of a path inside the prefix's drive C.
windows_path() {
    local path="C:${1#"$WINEPREFIX/drive_c"}"
    echo "${path//\//\\}"
}

# Writes a velbrix.ini text (with \r\n escapes, as velbrix_ini gives it) as UTF-16LE with a byte-order mark.
write_utf16_ini() {
    { printf '\xff\xfe'; printf '%b' "$2" | iconv -f UTF-8 -t UTF-16LE; } >"$1"
}

# The printers in the prefix's spooler, one name a line, read where Wine's spooler keeps them.
installed_printers() {
    tests/e2e/wine-exec reg query 'HKLM\System\CurrentControlSet\Control\Print\Printers' 2>/dev/null |
        tr -d '\r' | sed -n 's/^HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Print\\Printers\\//p'
}

# The lab's rundll32.exe in place of Wine's, in this session's prefix only: it does what PrintUIEntry is asked
# to, so that an installation leaves its printer in the spooler (tests/e2e/stand-in/StandInRundll32.cpp).
use_stand_in_rundll32() {
    cp "$E2E_BUILD/velbrix_stand_in_rundll32.exe" "$WINEPREFIX/drive_c/windows/system32/rundll32.exe"
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;rundll32.exe=n"
}

# What the stand-in's Add Printer wizard does: adds the printer under this name, or with none is closed with
# nothing added.
stand_in_wizard() {
    local key='HKCU\Software\Velbrix Lab\Rundll32'
    if [ -n "${1:-}" ]; then
        tests/e2e/wine-exec reg add "$key" /v WizardPrinter /d "$1" /f >/dev/null 2>&1
    else
        tests/e2e/wine-exec reg delete "$key" /v WizardPrinter /f >/dev/null 2>&1 || true
    fi
}

# The stand-in refuses every installation, as a desk without administrator rights does.
stand_in_refuses() {
    tests/e2e/wine-exec reg add 'HKCU\Software\Velbrix Lab\Rundll32' /v Refuse /t REG_DWORD /d 1 /f >/dev/null 2>&1
}

# What the stand-in rundll32 in the system folder was run with, a line per run: its current folder, "> ", its
# command line.
stand_in_runs() {
    local log=$WINEPREFIX/drive_c/windows/system32/rundll32.exe.ran
    [ -f "$log" ] && tr -d '\r' <"$log"
}

# The printers in the spooler as EnumPrintersW lists them: name, port and driver separated by tabs.
spooler_printers() { drive printers; }
