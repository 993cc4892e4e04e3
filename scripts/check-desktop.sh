#!/usr/bin/env bash
# Checks what a user installs: installs BUILD_DIR into a temporary prefix, runs every installed
# program headless from there (rules page found, state printed), checks --help against the
# manual page, validates every desktop entry and metainfo file and checks the icons. With
# --package it also builds the Debian package and checks that its contents list every file.
#   scripts/check-desktop.sh BUILD_DIR [--package]
set -euo pipefail
build=$(cd "$1" && pwd)
package=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log"
games=$prefix/games
[[ -d $games ]] || { echo "FAIL: nothing installed into $games" >&2; exit 1; }
# The programs must not find their pages in the build tree: move the prefix, as a package would.
mv "$prefix" "$work/moved"
prefix=$work/moved
games=$prefix/games
share=$prefix/share

programs=()
for exe in "$games"/*; do programs+=("$(basename "$exe")"); done
echo "installed programs: ${programs[*]}"

for program in "${programs[@]}"; do
  exe=$games/$program
  # Headless from the installed place: Help > Rules must find the page, and a state must come out.
  out=$(printf 'menu rules\nstate\n' | "$exe" --headless --seed 5 --config-dir "$work/config-$program")
  grep -q '"event":"help"' <<<"$out" || fail "$program: no help event"
  grep -q '"event":"warning"' <<<"$out" && fail "$program: $(grep '"event":"warning"' <<<"$out")"
  grep -q '"event":"state"' <<<"$out" || fail "$program: no state printed"
  [[ -f $share/qv-cardgames/$program.0409.htm ]] || fail "$program: rules page not installed"

  # --help and the manual page come from the same sections: every term --help explains is in the page.
  page=$share/man/man6/$program.6.gz
  if [[ -f $page ]]; then
    troff=$(gzip -dc "$page" | sed 's/\\-/-/g; s/\\e/\\/g')
    "$exe" --version | grep -qx "$program [0-9.]*" || fail "$program: --version"
    grep -q "$("$exe" --version | cut -d' ' -f2)" <<<"$(head -1 <<<"$troff")" || fail "$program: manual page of another version"
    while read -r term; do
      grep -qxF ".B $term" <<<"$troff" || fail "$program: --help explains \"$term\", the manual page does not"
    done < <("$exe" --help | sed -n 's/^  \([^ ].*\)$/\1/p' | sed 's/  .*//' | grep -v '^The mouse')
  else
    fail "$program: no manual page"
  fi

  # The desktop entry, its metainfo and its icons all carry the same id.
  desktop=$(grep -l "^Exec=$program\$" "$share"/applications/*.desktop 2>/dev/null | head -1 || true)
  if [[ -z $desktop ]]; then fail "$program: no desktop entry"; continue; fi
  id=$(basename "$desktop" .desktop)
  desktop-file-validate "$desktop" || fail "$program: desktop entry invalid"
  grep -qx "Icon=$id" "$desktop" || fail "$program: desktop entry names another icon"
  grep -qx "StartupWMClass=$id" "$desktop" || fail "$program: window class differs from the desktop id"
  metainfo=$share/metainfo/$id.metainfo.xml
  if [[ -f $metainfo ]]; then
    appstreamcli validate --no-net --pedantic "$metainfo" > "$work/as.log" || { cat "$work/as.log"; fail "$program: metainfo invalid"; }
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "$program: metainfo launches another entry"
    # What a software centre needs, beyond what the validator insists on.
    for element in '<summary>' '<content_rating ' '<release ' '<screenshot ' '<image>https://'; do
      grep -q "$element" "$metainfo" || fail "$program: metainfo has no $element"
    done
  else
    fail "$program: no metainfo"
  fi
  for size in 16 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    if [[ ! -f $icon ]]; then fail "$program: no ${size}px icon"; continue; fi
    # The PNG header holds width and height at bytes 16..23.
    dims=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ')
    [[ $dims == " 0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ]] ||
      fail "$program: the ${size}px icon is ($dims)"
  done
done

if [[ $package == --package ]]; then
  (cd "$build" && cpack -G DEB > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
  deb=$(ls -t "$build"/*.deb | head -1)
  dpkg-deb -c "$deb" | awk '{print $6}' | grep -v "/$" | sed 's|^\./usr/||' | sort > "$work/contents"
  (cd "$work/moved" && find . -type f | sed 's|^\./||' | sort) > "$work/installed"
  missing=$(comm -13 "$work/contents" "$work/installed")
  [[ -z $missing ]] || fail "missing from the package: $missing"
  grep -q '^games/velmar$' "$work/contents" || fail "velmar is not in the package"
  depends=$(dpkg-deb -f "$deb" Depends)
  grep -q 'libsdl2' <<<"$depends" || fail "package dependencies were not computed: $depends"
  echo "package $(basename "$deb"): $(wc -l < "$work/contents") files; Depends: $depends"
fi

[[ $failures -eq 0 ]] || { echo "$failures desktop check(s) failed" >&2; exit 1; }
echo "desktop checks passed for: ${programs[*]}"
