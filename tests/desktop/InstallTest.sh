#!/usr/bin/env bash
# Installs the game into a temporary prefix and checks the layout, the desktop file and the
# AppStream metainfo, then starts the installed game from an empty folder as a menu entry
# would: its data files must land in the player's data folder, and nothing in the folder it
# started in.
#   InstallTest.sh BUILD_DIR
set -euo pipefail
build=$1
id=io.github.fivrastar.Fivrastar
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/fivrastar \
            share/fivrastar/FivraBidBase.txt share/fivrastar/FivraBidRulesAI.txt \
            share/fivrastar/FivraPlayRulesAI.TXT share/fivrastar/Suggestion.txt \
            share/fivrastar/Referal.txt \
            share/icons/hicolor/scalable/apps/$id.svg \
            share/applications/$id.desktop \
            share/metainfo/$id.metainfo.xml; do
    [ -f "$prefix/$file" ] || fail "the install lacks $file"
done
[ -x "$prefix/bin/fivrastar" ] || fail "bin/fivrastar is not executable"
grep -q '^Exec=fivrastar$' "$prefix/share/applications/$id.desktop" || fail "Exec is not fivrastar"
grep -q '^Categories=Game;CardGame;$' "$prefix/share/applications/$id.desktop" ||
    fail "the menu categories are not Game;CardGame;"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo id"
grep -q "<project_license>MIT</project_license>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not name the licence"

missing=()
command -v desktop-file-validate >/dev/null || missing+=(desktop-file-validate)
command -v appstreamcli >/dev/null || missing+=(appstreamcli)
if [ ${#missing[@]} -eq 0 ]; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli validate"
fi

# First start of the installed game from an empty folder.
mkdir -p "$work/home" "$work/elsewhere" "$work/nodata"
(cd "$work/elsewhere" &&
    env -u FIVRA_DATA_DIR HOME="$work/home" XDG_DATA_HOME="$work/home/data" \
        XDG_CONFIG_HOME="$work/home/config" XDG_DATA_DIRS="$work/nodata" \
        QT_QPA_PLATFORM=offscreen FIVRA_SPEED=50 FIVRA_SEED=3 \
        FIVRA_SCREENSHOT="$work/shot.png" FIVRA_SCREENSHOT_AFTER_MS=1500 \
        "$prefix/bin/fivrastar") || fail "the installed game did not start and quit cleanly"
user=$work/home/data/Kolmbra/Fivrastar
for file in FivraBidBase.txt FivraBidRulesAI.txt FivraPlayRulesAI.TXT Suggestion.txt; do
    [ -f "$user/$file" ] || fail "the first start did not copy $file into $user"
done
[ -f "$user/Fivralog.txt" ] || fail "the game log was not written into the player's data folder"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into the folder it was started in"

if [ ${#missing[@]} -ne 0 ]; then
    echo "SKIPPED: ${missing[*]} missing (scripts/install-deps.sh installs them)"
    exit 77
fi
echo "The install lays out every file; both validators accept them."
