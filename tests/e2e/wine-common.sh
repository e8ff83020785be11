# Shared by the Wine session scripts.

: "${VELBRIX_WINE_TEMPLATE:=/var/tmp/velbrix-wine-template}"
# Bump when the prepared prefix changes, so that an old template is made anew.
VELBRIX_TEMPLATE_VERSION=2

velbrix_netns_of_name() { stat -L -c %i "/run/netns/$1"; }
velbrix_netns_of_pid() { stat -L -c %i "/proc/$1/ns/net"; }

velbrix_free_display() {
    local n
    for n in $(seq 91 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            echo "$n"
            return 0
        fi
    done
    echo "no free X display" >&2
    return 1
}

velbrix_wait_for_display() {
    local ns=$1 display=$2 i
    for i in $(seq 1 100); do
        if ip netns exec "$ns" xdpyinfo -display ":$display" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    echo "Xvfb :$display did not start" >&2
    return 1
}

# A wineserver is ready once its server folder, where it keeps its working directory, holds its socket.
velbrix_wait_for_wineserver() {
    local pid=$1 i
    for i in $(seq 1 100); do
        [ -S "/proc/$pid/cwd/socket" ] && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "the wineserver (PID $pid) did not start" >&2
    return 1
}

# Makes the prepared prefix once: booted, fonts in place, a virtual desktop large enough for the main
# dialog, and a replacement for SimSun so that Chinese, Cyrillic and Persian text render. It is booted
# inside a throwaway namespace with its wineserver started there first, like every Wine run of ours.
velbrix_prepare_template() {
    local stamp="$VELBRIX_WINE_TEMPLATE/version"
    mkdir -p "$(dirname "$VELBRIX_WINE_TEMPLATE")"
    exec 9>"$VELBRIX_WINE_TEMPLATE.lock"
    flock 9
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$VELBRIX_TEMPLATE_VERSION" ]; then
        flock -u 9
        return 0
    fi
    echo "preparing the Wine prefix template in $VELBRIX_WINE_TEMPLATE" >&2
    rm -rf "$VELBRIX_WINE_TEMPLATE"
    mkdir -p "$VELBRIX_WINE_TEMPLATE/prefix"
    local prefix="$VELBRIX_WINE_TEMPLATE/prefix" ns="vbx-prep-$$"
    ip netns add "$ns"
    ip -n "$ns" link set lo up
    if ! velbrix_boot_template "$ns" "$prefix"; then
        ip netns del "$ns"
        flock -u 9
        echo "preparing the Wine prefix failed" >&2
        return 1
    fi
    ip netns del "$ns"
    echo "$VELBRIX_TEMPLATE_VERSION" >"$stamp"
    flock -u 9
}

velbrix_boot_template() {
    local ns=$1 prefix=$2 server
    local -a wine_env=(env WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=)
    # Persistent for one second only, so that it ends, and saves the registry, once the boot is done.
    ip netns exec "$ns" "${wine_env[@]}" wineserver -f -p1 >/dev/null 2>&1 &
    server=$!
    velbrix_wait_for_wineserver "$server" || return 1
    ip netns exec "$ns" "${wine_env[@]}" wineboot -i >/dev/null 2>&1 || return 1
    local key value data
    while IFS='|' read -r key value data; do
        ip netns exec "$ns" "${wine_env[@]}" wine reg add "$key" /v "$value" /d "$data" /f >/dev/null 2>&1 || return 1
    done <<'KEYS'
HKCU\Software\Wine\Explorer|Desktop|Default
HKCU\Software\Wine\Explorer\Desktops|Default|1280x1024
HKCU\Software\Wine\Fonts\Replacements|SimSun|WenQuanYi Micro Hei
HKCU\Software\Wine\Fonts\Replacements|NSimSun|WenQuanYi Micro Hei
KEYS
    cp /usr/share/wine/fonts/*.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$prefix/drive_c/windows/Fonts/" ||
        return 1
    # Full-width punctuation and Chinese in the caption and dialog fonts of a non-Chinese locale come from
    # WenQuanYi Micro Hei, linked behind each of them.
    local face
    for face in Tahoma "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
        ip netns exec "$ns" "${wine_env[@]}" wine reg add \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
            /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1 || return 1
    done
    ip netns exec "$ns" "${wine_env[@]}" wineserver -w
    wait "$server" || true
}
