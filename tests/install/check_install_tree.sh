#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the tree with the tools the desktop
# and the packaging use: the programs run from there, every manual page renders without
# warnings and names every option, and (with the desktop program) the launcher entry,
# MIME package, AppStream data and icons are valid and agree with each other.
#   check_install_tree.sh BUILD_DIR APP_ID MIME_TYPE VERSION GUI(ON|OFF) ICON_SIZE...
set -uo pipefail
build=$1 app_id=$2 mime_type=$3 version=$4 gui=$5
shift 5
icon_sizes=("$@")

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# Runs a checker; its output is the complaint when it fails.
run() {
  local out
  out=$("$@" 2>&1) || fail "$* says: $out"
}

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
share=$prefix/share
doc=$share/doc/pelmoro

# The programs run from the installed tree.
[ "$("$prefix/bin/pelmoro-render" --version)" = "pelmoro-render $version" ] ||
  fail "pelmoro-render --version does not say the package's version $version"
run "$prefix/bin/pelmoro-render" --seed 7 --save "$prefix/face.plm" -o "$prefix/face.png"
[ "$(identify -format '%m %wx%h' "$prefix/face.png" 2>&1)" = "PNG 224x192" ] || fail "the installed renderer's picture"

# The README and the licence, and the picture the README shows.
for file in README.md LICENSE; do [ -s "$doc/$file" ] || fail "$doc/$file is missing"; done
for image in $(grep -o '!\[[^]]*\]([^)]*)' "$doc/README.md" | sed 's/.*(\(.*\))/\1/'); do
  [ -f "$doc/$image" ] || fail "the README shows $image, which is not installed beside it"
done

# Manual pages: every installed page renders without warnings and has the usual sections;
# every program has one, and each command-line program's page has an item for every
# option its --help lists.
manual_text() { MANWIDTH=200 man -l "$1" 2>/dev/null | col -b; }
for file in "$share"/man/man*/*; do
  warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$file") renders with warnings: $warnings"
  text=$(manual_text "$file")
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' EXAMPLES; do
    grep -qx "$section" <<<"$text" || fail "$(basename "$file") has no $section section"
  done
done
[ "$gui" = ON ] || [ ! -e "$prefix/bin/pelmoro" ] || fail "the desktop program is installed without the GUI"
for program in "$prefix"/bin/*; do
  name=$(basename "$program")
  page=$share/man/man1/$name.1.gz
  [ -f "$page" ] || { fail "$name has no manual page"; continue; }
  [ "$name" = pelmoro ] && continue # the desktop program opens its window and has no --help
  items=$(manual_text "$page" | awk '/^OPTIONS$/ { on = 1; next } /^[A-Z]/ { on = 0 } on && /^       -/')
  for option in $(timeout 10 "$program" --help | grep -oE '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u); do
    grep -qE "^ {7}([^ ]+, )*$option([ ,]|$)" <<<"$items" || fail "$name(1) has no item for $option"
  done
done

if [ "$gui" != ON ]; then
  [ "$failures" = 0 ] && echo "install tree: all checks passed"
  exit $((failures > 0))
fi

# Launcher entry.
desktop=$share/applications/$app_id.desktop
run desktop-file-validate "$desktop"
grep -qx "Exec=pelmoro %f" "$desktop" && [ -x "$prefix/bin/pelmoro" ] || fail "the launcher entry does not start the installed pelmoro"
grep -qx "Icon=$app_id" "$desktop" || fail "the launcher entry's icon is not $app_id"
grep -qx "MimeType=$mime_type;" "$desktop" || fail "the launcher entry does not open $mime_type"

# MIME package: well-formed, accepted by update-mime-database, and the database it makes
# knows documents by their name and, without one, by their first bytes.
package=$share/mime/packages/$app_id.xml
run xmllint --noout "$package"
mkdir -p "$prefix/mimedb/mime/packages"
cp "$package" "$prefix/mimedb/mime/packages/"
run update-mime-database "$prefix/mimedb/mime"
content_type() {
  XDG_DATA_HOME=$prefix/nowhere XDG_DATA_DIRS=$prefix/mimedb:/usr/share gio info -a standard::content-type "$1" |
    sed -n 's/.*standard::content-type: //p'
}
cp "$prefix/face.plm" "$prefix/document-without-extension"
printf 'not a face' >"$prefix/text.plm"
for file in face.plm document-without-extension text.plm; do
  [ "$(content_type "$prefix/$file")" = "$mime_type" ] || fail "$file is not taken for $mime_type"
done
[ "$(content_type "$prefix/face.png")" = image/png ] || fail "a PNG picture is no longer image/png"

# Icons: each size decodes to its size, the scalable icon renders, and the document
# type's icon has the name the MIME type gives it.
mime_icon=${mime_type/\//-}
for size in "${icon_sizes[@]}"; do
  for icon in "apps/$app_id" "mimetypes/$mime_icon"; do
    file=$share/icons/hicolor/${size}x$size/$icon.png
    [ "$(identify -format '%m %wx%h' "$file" 2>&1)" = "PNG ${size}x$size" ] || fail "$file is not a ${size}x$size PNG"
  done
done
svg=$share/icons/hicolor/scalable/apps/$app_id.svg
rsvg-convert -w 64 -h 64 "$svg" -o "$prefix/scalable.png" 2>/dev/null &&
  [ "$(identify -format '%wx%h' "$prefix/scalable.png")" = 64x64 ] || fail "$svg does not render"

# AppStream data.
metainfo=$share/metainfo/$app_id.metainfo.xml
run appstreamcli validate --no-net "$metainfo"
field() { xmllint --xpath "string($1)" "$metainfo"; }
[ "$(field /component/id)" = "$app_id" ] || fail "the AppStream id is not $app_id"
[ -f "$share/applications/$(field '/component/launchable[@type="desktop-id"]')" ] || fail "the AppStream launchable is not installed"
[ "$(field '/component/releases/release[1]/@version')" = "$version" ] || fail "the AppStream data's latest release is not $version"
[ "$(field '/component/provides/mediatype')" = "$mime_type" ] || fail "the AppStream data does not provide $mime_type"

[ "$failures" = 0 ] && echo "install tree: all checks passed"
exit $((failures > 0))
