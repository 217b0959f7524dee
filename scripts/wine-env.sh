# Sourced by the start and test scripts: a private wine prefix, a display, and the locales.
#   wine_env_prepare BUILD_DIR [own-display]
# Sets WINEPREFIX, WINEDEBUG, DISPLAY (starting an Xvfb of our own when asked or when none is
# set), LOCPATH, and registers a cleanup that stops only what was started here.
WINE64=/usr/lib/wine/wine64
# Called by path: the wine64 package alone puts no wineserver on PATH.
WINESERVER=/usr/lib/wine/wineserver
TARNWICK_XVFB_PID=""

wine_env_cleanup() {
    [ -n "${WINEPREFIX:-}" ] && WINEPREFIX="$WINEPREFIX" "$WINESERVER" -k 2>/dev/null || true
    [ -n "$TARNWICK_XVFB_PID" ] && kill "$TARNWICK_XVFB_PID" 2>/dev/null || true
}

wine_env_start_xvfb() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        TARNWICK_XVFB_PID=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        export DISPLAY=":$n"
        return 0
    done
    echo "no free X display found" >&2
    return 1
}

wine_env_prepare() {
    local build_dir=$1 own_display=${2:-}
    export WINEPREFIX="$build_dir/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export LOCPATH="$build_dir/locale"
    if [ -n "$own_display" ] || [ -z "${DISPLAY:-}" ]; then
        [ -z "$own_display" ] && echo "No display is set: starting an Xvfb of our own."
        wine_env_start_xvfb
    fi
    trap wine_env_cleanup EXIT
    if [ ! -d "$LOCPATH/zh_CN.UTF-8" ]; then
        mkdir -p "$LOCPATH"
        localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" 2>/dev/null || true
        localedef -i en_US -f UTF-8 "$LOCPATH/en_US.UTF-8" 2>/dev/null || true
    fi
    if [ ! -f "$WINEPREFIX/.tarnwick-ready" ]; then
        mkdir -p "$WINEPREFIX"
        # Created under a Chinese locale, the prefix links a CJK font for the captions.
        LC_ALL=zh_CN.UTF-8 "$WINE64" wineboot -i >/dev/null 2>&1 || true
        # Without a window manager, hiding a managed window stalls the UI thread for seconds.
        "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        WINEPREFIX="$WINEPREFIX" "$WINESERVER" -w
        touch "$WINEPREFIX/.tarnwick-ready"
    fi
}
