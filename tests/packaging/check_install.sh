#!/usr/bin/env bash
# Installs the game into a temporary prefix and checks the desktop install: the desktop entry,
# the AppStream metadata, the icons, the content beside the game, and that the game started
# through the launcher comes up with its menu.
set -euo pipefail
build=$1
source_dir=$2
app_id=io.github.kanjiquiz.KanjiQuiz
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
grep -q '^Name=漢字クイズ' "$prefix/share/applications/$app_id.desktop" || fail "Japanese name"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "metainfo"
for size in 16 32 48 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -s "$icon" ] || fail "icon $size missing"
done

game_dir="$prefix/lib/kanji-quiz"
[ -x "$prefix/bin/kanji-quiz" ] || fail "launcher missing"
"$build/tools/content_checker" "$game_dir" || fail "content beside the installed game"

# Through a symbolic link too, as a menu or a user's bin folder would start it.
ln -s "$prefix/bin/kanji-quiz" "$prefix/kq-link"
for launcher in "$prefix/bin/kanji-quiz" "$prefix/kq-link"; do
    output=$(cd / && QT_QPA_PLATFORM=offscreen KQ_BENCH_FIRST_PAINT=1 timeout 60 "$launcher")
    [ "$output" = "first-paint" ] || fail "game through $launcher printed: $output"
done
echo "install checked: $prefix"
