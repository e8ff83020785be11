#!/usr/bin/env bash
# A library planted beside Velbrix.exe and VelbrixCheck.exe under a system library's name, one name at a
# time, with Windows' search order for that name (the program's folder first): start-up, a search, a guided
# installation and a check of the folder load none of them. One exception is Wine's own: its user32.dll imports
# version.dll, so under Wine any program that imports user32 (a Known DLL) loads version.dll by the search
# order before its first instruction runs; Windows' user32 does not import it. For that name only the checker,
# which does not import user32, is run here.
# Then programs planted under rundll32's names (.exe, .com, .bat, .cmd), beside Velbrix.exe and in the folder
# it was started from: the command interpreter looks in its current folder before the path, and the
# installation script runs in the system folder, so the system's rundll32 runs and none of them.
source tests/e2e/lib.sh
m() { message english "$1"; }
stand_in=${E2E_STAND_IN:-$E2E_BUILD/velbrix_stand_in_library.dll}
checker=$E2E_BUILD/tools/velbrix-check/VelbrixCheck.exe

# The marks the stand-ins left in a folder.
marked() { (cd "$1" && ls ./*.loaded 2>/dev/null); }

# Named where the build takes them from: each delay-loaded library by the LIBRARY line of its list of functions,
# then what the common controls load by name.
mapfile -t libraries < <(sed -n 's/^LIBRARY "\{0,1\}\([^"]*\)"\{0,1\}$/\1/p' cmake/delayload/*.def
    grep -v '^#' cmake/common-controls-libraries.txt)

start_simulator --printer 10.77.0.11=M1_alpha || { finish; exit; }
for library in "${libraries[@]}"; do
    folder=$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")
    cp "$checker" "$folder/"
    cp "$stand_in" "$folder/$library"
    # Wine takes a library from the program's folder, as Windows does, only for a name told to prefer it.
    export WINEDLLOVERRIDES="mscoree,mshtml=;${library%.dll}=n,b"
    if [ "$library" = version.dll ]; then
        :
    elif ! start_velbrix "$folder" || [ -n "$(marked "$folder")" ]; then
        # Loaded at start-up: the program may be stuck in the stand-in, so it is not driven further.
        kill "$VELBRIX_PID" 2>/dev/null
        wait "$VELBRIX_PID" 2>/dev/null
        VELBRIX_PID=""
    else
        drive select-model 1 >/dev/null
        drive press search >/dev/null
        drive message-box 10000 >/dev/null
        drive message-box-ok >/dev/null
        drive select-row 0 >/dev/null
        drive press install >/dev/null
        guidance=$(drive message-box 5000 | head -n 1)
        drive message-box-ok >/dev/null
        drive message-box 20000 >/dev/null
        drive message-box-ok >/dev/null
        check "with $library beside it: the guided installation ran" "$guidance" "$(m MSG_GUIDANCE_CAPTION)"
        drive press exit >/dev/null
        expect_velbrix_ends "with $library beside it, the exit button"
    fi
    tests/e2e/wine-exec "$folder/VelbrixCheck.exe" >"$E2E_ARTIFACTS/check-$library.txt" 2>&1
    export WINEDLLOVERRIDES="mscoree,mshtml="
    check "$library beside the programs is never loaded" "$(marked "$folder")" ""
done

use_stand_in_rundll32
stand_in_wizard "Vantrel M1 (planted test)"
repository=$PWD
for name in rundll32.exe rundll32.com rundll32.bat rundll32.cmd; do
    folder=$(supplier_folder "$(velbrix_ini 3 'M1=Vantrel M1')")
    start=$(mktemp -d "$WINEPREFIX/drive_c/start.XXXXXX")
    for place in "$folder" "$start"; do
        case $name in
            *.exe | *.com) cp "$E2E_BUILD/velbrix_stand_in_rundll32.exe" "$place/$name" ;;
            *) printf '@echo ran> "%%~f0.ran"\r\n' >"$place/$name" ;;
        esac
    done
    runs=$(stand_in_runs | wc -l)
    (cd "$start" && exec "$repository/tests/e2e/wine-exec" "$folder/Velbrix.exe" >"$E2E_ARTIFACTS/stdout.txt" 2>&1) &
    VELBRIX_PID=$!
    drive wait 20000 >/dev/null || check "the Velbrix window appears" "no window" "window"
    drive select-model 1 >/dev/null
    drive press search >/dev/null
    drive message-box 10000 >/dev/null
    drive message-box-ok >/dev/null
    drive select-row 0 >/dev/null
    drive press install >/dev/null
    drive message-box 5000 >/dev/null
    drive message-box-ok >/dev/null
    check "with $name planted: the wizard's printer is named at the end" "$(drive message-box 20000 | sed -n 2p)" \
        "$(m MSG_INSTALL_DONE)Vantrel M1 (planted test)$(m MSG_INSTALL_DONE_ADVICE)"
    drive message-box-ok >/dev/null
    drive press exit >/dev/null
    expect_velbrix_ends "with $name planted, the exit button"
    tests/e2e/wine-exec reg delete 'HKLM\System\CurrentControlSet\Control\Print\Printers\Vantrel M1 (planted test)' \
        /f >/dev/null 2>&1
    check "$name beside Velbrix.exe and in the folder it was started from never runs" \
        "$(cd "$folder" && ls ./*.ran 2>/dev/null; cd "$start" && ls ./*.ran 2>/dev/null)" ""
    check "with $name planted: the system's rundll32 ran once more" "$(stand_in_runs | wc -l)" "$((runs + 1))"
done
finish
