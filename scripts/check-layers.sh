#!/bin/sh
# Fails when the sources' includes break the layering: a folder of src/ may
# include only itself and the folders below it (controls, game, input,
# engine, computer, record, ui, ui/qt from the bottom up), and no file may include a
# file that includes it back, directly or through others (a header and its
# .cpp count as one unit).
set -eu
cd "$(dirname "$0")/../src"
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
status=0
for file in $(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort); do
  unit=${file%.*}
  grep -o '^#include "[^"]*"' "$file" | sed 's/^#include "//; s/"$//; s/\.[a-z]*$//' | while read -r dep; do
    [ "$dep" = "$unit" ] || echo "$unit $dep"
  done
done | sort -u >"$edges"

rank() {
  case $1 in
    controls/*) echo 0 ;; game/*) echo 1 ;; input/*) echo 2 ;; engine/*) echo 3 ;;
    computer/*) echo 4 ;; record/*) echo 5 ;; ui/qt/*) echo 7 ;; ui/*) echo 6 ;; *) echo 9 ;;
  esac
}
while read -r unit dep; do
  if [ "$(rank "$dep")" -gt "$(rank "$unit")" ]; then
    echo "layering: $unit includes $dep, which lies above it"
    status=1
  fi
done <"$edges"

# tsort reports every cycle of the include graph on standard error.
if ! tsort "$edges" >/dev/null 2>"$edges.loops"; then status=1; fi
if [ -s "$edges.loops" ]; then
  sed 's/^tsort: /includes: /' "$edges.loops"
  status=1
fi
rm -f "$edges.loops"
exit $status
