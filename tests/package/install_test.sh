#!/bin/sh
# Installs the build into a temporary folder and checks what arrived: every
# file in its place, and the menu entry, the saved-game file type and the
# software-centre metadata accepted by their validators.
#   install_test.sh BUILD_DIR
set -eu
build=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$dir" >/dev/null
share=$dir/share
for f in games/dedivud share/applications/dedivud.desktop share/mime/packages/dedivud.xml \
  share/metainfo/io.github.dedivud.dedivud.metainfo.xml share/man/man6/dedivud.6.gz \
  share/doc/dedivud/copyright share/doc/dedivud/changelog.gz share/icons/hicolor/256x256/apps/dedivud.png; do
  [ -s "$dir/$f" ] || fail "$f was not installed"
done

out=$(desktop-file-validate "$share/applications/dedivud.desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$share/metainfo/io.github.dedivud.dedivud.metainfo.xml" >"$dir/as.log" 2>&1 ||
  fail "appstreamcli: $(cat "$dir/as.log")"

# The file type: the database made from it names *.oyk, with both comments.
update-mime-database "$share/mime" >/dev/null 2>&1
grep -q ':application/x-dedivud-game:\*\.oyk$' "$share/mime/globs2" 2>/dev/null ||
  fail "the MIME database has no *.oyk glob"
grep -q '<comment xml:lang="tr">DEDIVUD kayıtlı oyunu</comment>' "$share/mime/application/x-dedivud-game.xml" ||
  fail "the MIME type lacks its Turkish comment"
# The menu entry and the metadata name the same type.
grep -qx 'MimeType=application/x-dedivud-game;' "$share/applications/dedivud.desktop" ||
  fail "the menu entry does not name the saved-game type"
grep -q '<mediatype>application/x-dedivud-game</mediatype>' "$share/metainfo/io.github.dedivud.dedivud.metainfo.xml" ||
  fail "the metadata does not name the saved-game type"
echo "PASS: installed and valid"
