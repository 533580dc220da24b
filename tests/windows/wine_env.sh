# The Wine the Windows tests run under: a private prefix set to Windows 10 (what Qt 6 expects),
# quiet, in a UTF-8 locale (without one Wine cannot open Japanese paths), never offering to
# install Mono or Gecko. Sourced, with KQ_WINEPREFIX set; `kq_wine PROGRAM ARGS...` runs a
# Windows program, `kq_wine_prefix` makes the prefix once.
KQ_WINE=/usr/lib/wine/wine64
KQ_WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX=${KQ_WINEPREFIX:?KQ_WINEPREFIX names the private Wine prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Qt for Windows sends its messages, and QtTest its results, to the debugger when no console
# window is attached, which under Wine is always: on stderr and stdout they reach ctest's log.
export QT_FORCE_STDERR_LOGGING=1
# Wine keeps the QT_ variables of Linux (QT_QPA_PLATFORM, QT_SCALE_FACTOR...) from Windows
# programs, as they are meant for Linux's Qt; a WINE prefix passes them on.
for name in $(compgen -e); do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done
unset name

kq_wine() { "$KQ_WINE" "$@"; }

kq_wine_prefix() {
    [ -f "$WINEPREFIX/.kq-windows-10" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$KQ_WINE" wineboot --init >/dev/null 2>&1
    "$KQ_WINE" reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
    "$KQ_WINESERVER" -w
    touch "$WINEPREFIX/.kq-windows-10"
}

# The folder of a Linux path as Windows programs under this Wine see it (drive Z: is /).
kq_windows_path() { printf 'Z:%s' "${1//\//\\}"; }
