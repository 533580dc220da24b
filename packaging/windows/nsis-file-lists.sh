#!/usr/bin/env bash
# Writes the installer's two lists of the staged files, so that it installs them and its
# uninstaller removes them, one by one:
#   nsis-file-lists.sh STAGE OUT   ->  OUT-install.nsh, OUT-uninstall.nsh
set -euo pipefail
stage=$(cd "$1" && pwd)
out=$2

# NSIS reads "$" as the start of a variable.
nsis_text() { printf '%s' "${1//\$/\$\$}"; }
windows_path() { local p=${1//\//\\}; nsis_text "$p"; }

{
    while IFS= read -r -d '' dir; do
        rel=${dir#"$stage"}
        printf 'SetOutPath "$INSTDIR%s"\n' "$(windows_path "$rel")"
        while IFS= read -r -d '' file; do
            printf 'File "%s"\n' "$(nsis_text "$file")"
        done < <(find "$dir" -mindepth 1 -maxdepth 1 -type f -print0 | sort -z)
    done < <(find "$stage" -type d -print0 | sort -z)
    printf 'SetOutPath "$INSTDIR"\n'
} >"$out-install.nsh"

{
    while IFS= read -r -d '' file; do
        printf 'Delete "$INSTDIR%s"\n' "$(windows_path "${file#"$stage"}")"
    done < <(find "$stage" -type f -print0 | sort -z)
    # Deepest folders first; RMDir leaves a folder that still holds something.
    while IFS= read -r -d '' dir; do
        printf 'RMDir "$INSTDIR%s"\n' "$(windows_path "${dir#"$stage"}")"
    done < <(find "$stage" -mindepth 1 -type d -print0 | sort -rz)
} >"$out-uninstall.nsh"
