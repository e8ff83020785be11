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

drive() { tests/e2e/wine-exec "$E2E_BUILD/velbrix_driver.exe" "$@" | tr -d '\r'; }

# The catalogue a LANG reads (Chinese for zh_CN, Russian, Persian, English for every other).
catalogue_of() {
    case "$1" in
        zh_CN*) echo chinese ;;
        ru_RU*) echo russian ;;
        fa_IR*) echo persian ;;
        *) echo english ;;
    esac
}

# The text of message ID in a catalogue, as its source holds it.
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
    folder=$(mktemp -d "$WINEPREFIX/drive_c/supplier.XXXXXX")
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
        wait "$VELBRIX_PID" || status=$?
        check "$what ends the program (exit code)" "$status" 0
    else
        check "$what ends the program" "still running" "ended"
        kill "$VELBRIX_PID" 2>/dev/null
        wait "$VELBRIX_PID" 2>/dev/null
    fi
    VELBRIX_PID=""
}

screenshot() {
    import -window root -crop "$(drive rect)" "$E2E_ARTIFACTS/$1.png"
}

finish() {
    if [ -n "$VELBRIX_PID" ]; then
        kill "$VELBRIX_PID" 2>/dev/null
        wait "$VELBRIX_PID" 2>/dev/null
    fi
    echo "  $E2E_SCENARIO: $((e2e_checks - e2e_failures)) of $e2e_checks checks passed"
    [ "$e2e_failures" -eq 0 ]
}
