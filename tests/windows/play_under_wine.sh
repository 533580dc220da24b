#!/usr/bin/env bash
# The Windows game as a player gets it, under the tests' Wine on the current X display:
#   play_under_wine.sh ZIP SETUP_EXE SOUND_PROBE_EXE SOUND_CHECK SCREENSHOT_FOLDER
# - the zip unpacked into C:\ゲーム\漢字 クイズ\ and the game played from there by keys: the menu,
#   a whole careful game to its rating and the review, a speed game's countdown, how to play;
# - the same game at a drive's root (K:\), where AppPath is "K:", and at 200 % display scaling;
# - a copy without its first word list: the message box naming the file, and exit code 1;
# - nothing written anywhere in the Windows drive while it ran;
# - its seven sounds recorded from a private PulseAudio server (SOUND_CHECK, a native program,
#   with SOUND_PROBE_EXE beside the unpacked game);
# - the installer run silently, the installed game started, the uninstaller leaving nothing.
# Fails at the first thing that is not as it should be; never waits more than a minute for one.
set -euo pipefail
zip=$1 setup=$2 probe=$3 sound_check=$4 shots=$5
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_env.sh"
mkdir -p "$shots"

drive_c=$WINEPREFIX/drive_c
games=$drive_c/ゲーム
game_dir=$games/"漢字 クイズ"
game_exe='C:\ゲーム\漢字 クイズ\kanji_quiz.exe'

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# Unpacks the zip's folder into $1.
unpack() {
    local into=$1 tmp
    tmp=$(mktemp -d)
    unzip -q "$zip" -d "$tmp"
    rm -rf "$into"
    mkdir -p "$(dirname "$into")"
    mv "$tmp"/kanji-quiz-* "$into"
    rm -rf "$tmp"
}

game_pid=
window=
# Starts the Windows program $1 (its own process, not a shell's, so that it can be ended).
start_game() {
    "$KQ_WINE" "$1" >/dev/null 2>&1 &
    game_pid=$!
}
# The game's windows, by their titles.
game_windows='^(メニュー|遊び方|ごんべん|にんべん|てへん|いとへん|きへん|さんずい|ふりかえり|漢字クイズ)$'
# Ends the game and waits until its windows are gone, so that the next start's are not mistaken
# for them.
stop_game() {
    [ -n "$game_pid" ] || return 0
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    for _ in $(seq 1 60); do
        xdotool search --onlyvisible --name "$game_windows" >/dev/null 2>&1 || return 0
        sleep 0.5
    done
    fail "the game's windows stayed after it ended"
}
trap stop_game EXIT

# Waits for the window titled $1 (a minute at most) and remembers it.
find_window() {
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) ||
        fail "no window \"$1\""
    sleep 0.5
}
# Types the keys $@ into the window (through the X server, as a keyboard would).
key() {
    xdotool windowfocus --sync "$window"
    xdotool key --delay 50 "$@"
}
shot() {
    xwd -silent -id "$window" | convert xwd:- "png:$shots/$1.png"
    echo "   screenshot $shots/$1.png ($(identify -format '%wx%h' "$shots/$1.png"))"
}

unpack "$game_dir"
marker=$(mktemp)
grep -ci kanji "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" >"$marker.reg" || true
sleep 1

# The menu, a radical, a whole careful game by keys, its rating and the review.
start_game "$game_exe"
find_window メニュー
shot menu
pass "the menu comes up from $game_exe"
key 1
sleep 0.5
shot menu-radical
key j
find_window ごんべん
shot careful
for _ in $(seq 1 10); do
    # Mostly ある, some ない, so that the gauge shows both colours.
    key o o o x o o x o o x
done
sleep 2.5
shot careful-rated
key v
find_window ふりかえり
shot review
pass "a careful game played by keys to its rating and its review"
key Escape
find_window ごんべん
stop_game

# A speed game's countdown and its first questions.
start_game "$game_exe"
find_window メニュー
key 6
key s
find_window さんずい
sleep 0.3
shot speed-countdown
sleep 4
key o
shot speed
pass "a speed game counts down and plays"
stop_game

# How to play: the text file in code page 932, shown line by line.
start_game "$game_exe"
find_window メニュー
key h
find_window 遊び方
shot how-to-play
key Escape
find_window メニュー
pass "how to play shows and goes back"
stop_game

# At a drive's root.
ln -sfn "$game_dir" "$WINEPREFIX/dosdevices/k:"
start_game 'K:\kanji_quiz.exe'
find_window メニュー
key 3
key j
find_window てへん
shot drive-root
pass "the game plays from K:\\"
stop_game
rm -f "$WINEPREFIX/dosdevices/k:"

# Nothing written while the game ran: no file in the Windows drive, no key in the registry.
written=$(find "$drive_c" -newer "$marker" -type f -not -path '*/windows/*' | head -n 5)
[ -z "$written" ] || fail "files written while the game ran: $written"
grep -ci kanji "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" | diff -q - "$marker.reg" >/dev/null ||
    fail "the registry gained a key of the game"
pass "nothing written in the Windows drive or the registry"
rm -f "$marker" "$marker.reg"

# At 200 %, as Windows' display scaling reports it (192 dots per inch): the window twice its size
# in device pixels, its pictures drawn from their 2x forms.
kq_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
start_game "$game_exe"
find_window メニュー
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$size" = 1536x960 ] || fail "the menu at 200 % is $size device pixels, not 1536x960"
key 2
sleep 0.5
shot menu-200
key j
find_window にんべん
shot careful-200
pass "at 200 % the screens are drawn at twice their size"
stop_game
kq_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1

# A removed word list: the message box names the file; the game ends with exit code 1.
broken=$games/壊れた
unpack "$broken"
rm "$broken/data/ox/h1o.dat"
start_game 'C:\ゲーム\壊れた\kanji_quiz.exe'
find_window メニュー
key 1
find_window 漢字クイズ
shot missing-word-list
key Return
code=0
timeout 60 tail --pid="$game_pid" -f /dev/null || fail "the game did not end after the message"
wait "$game_pid" || code=$?
game_pid=
[ "$code" -eq 1 ] || fail "exit code $code after the message, not 1"
pass "a removed word list gives its message and exit code 1"
rm -rf "$broken"

# The sounds, through the Windows build's own player from the unpacked game.
listening=$games/音の確認
unpack "$listening"
cp "$probe" "$listening/"
"$sound_check" "$here/wine_run.sh" 'C:\ゲーム\音の確認\sound_probe.exe' "$listening/音" ||
    fail "the Windows game's sounds are not heard whole"
pass "each of the seven sounds heard whole"
rm -rf "$listening"

# The installer, silent; the installed game starts; the uninstaller leaves nothing.
installed=$drive_c/"Program Files"/"Kanji Quiz"
shortcut=$drive_c/ProgramData/Microsoft/Windows/"Start Menu"/Programs/"漢字クイズ　ある？ない？.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KanjiQuiz'
timeout 120 "$KQ_WINE" "$(kq_windows_path "$setup")" /S || fail "the installer failed"
[ -f "$installed/kanji_quiz.exe" ] && [ -f "$installed/data/遊び方.txt" ] && [ -f "$shortcut" ] ||
    fail "the installer did not install the game and its Start-menu entry"
diff -r "$game_dir" "$installed" -x uninstall.exe >/dev/null ||
    fail "the installed files are not the zip's"
kq_wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "no entry in the list of programs"
start_game 'C:\Program Files\Kanji Quiz\kanji_quiz.exe'
find_window メニュー
shot installed-menu
stop_game
pass "the installer installs the zip's files, a Start-menu entry, and the game starts"
kq_wine 'C:\Program Files\Kanji Quiz\uninstall.exe' /S
for _ in $(seq 1 60); do
    [ -e "$installed" ] || break
    sleep 1
done
[ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed" | head -n 5)"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
! kq_wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left its registry key"
pass "the uninstaller leaves nothing"
