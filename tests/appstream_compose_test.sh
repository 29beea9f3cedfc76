#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What a software centre sees: the catalogue `appstreamcli compose` makes from the installed tree
# (staged with DESTDIR) lists the game, with no issue reported, its Japanese description kept and
# an icon of at least 64 pixels.
set -eu
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR=$work/stage cmake --install "$build_dir" --prefix /usr >/dev/null

failed=0
fail() { echo "FAIL: $*"; failed=1; }

# The paragraphs of the game's first description in a language ("" for the untranslated one).
paragraphs() {
  awk -v lang="$1" '
    /<description[ >]/ && !done {
      inside = lang == "" ? $0 ~ /<description>/ : index($0, "xml:lang=\"" lang "\"") > 0; next }
    /<\/description>/ { if (inside) done = 1; inside = 0; next }
    inside && /<p[ >]/ { count++ }
    END { print count + 0 }' "$work/catalogue.xml"
}

status=0
(cd "$work" && appstreamcli compose --no-net --no-color --origin=zormade --print-report=full \
   --result-root="$work/out" "$work/stage") >"$work/report" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "compose ended with status $status: $(cat "$work/report")"
# Issues are reported as "tag: text" lines under the component's id.
grep -E '^ *(E|W|I|error|warning|info)[:-]' "$work/report" && fail "compose reported issues"

catalogue=$work/out/usr/share/swcatalog/xml/zormade.xml.gz
if [ -f "$catalogue" ]; then
  gzip -dc "$catalogue" >"$work/catalogue.xml"
  grep -q '<id>org.zormade.zormade</id>' "$work/catalogue.xml" || fail "the catalogue does not list the game"
  # Compose drops a language whose description has fewer paragraphs than the untranslated one.
  english=$(paragraphs "")
  japanese=$(paragraphs ja)
  [ "$japanese" -ge 1 ] && [ "$japanese" -eq "$english" ] ||
    fail "the catalogue holds $japanese Japanese paragraphs for $english untranslated ones"
  large=$(sed -n 's/.*<icon type="cached" width="\([0-9]*\)".*/\1/p' "$work/catalogue.xml" | sort -n | tail -n 1)
  [ "${large:-0}" -ge 64 ] || fail "the largest cached icon is ${large:-none}, under 64 pixels"
  [ -f "$work/out/usr/share/swcatalog/icons/zormade/${large}x${large}/org.zormade.zormade.png" ] ||
    fail "the ${large}-pixel icon is listed but not cached"
else
  fail "compose wrote no catalogue: $(cat "$work/report")"
fi
[ "$failed" -eq 0 ] && echo "listed with icons up to $large pixels"
exit "$failed"
