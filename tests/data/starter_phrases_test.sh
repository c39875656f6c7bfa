#!/usr/bin/env bash
# The shipped phrase book: code page 932, CR LF after every record, the two
# placeholder records first, about a hundred distinct kana phrases in the
# program's own order, and in step with its editable list. The tool that
# builds it refuses lists the program could not show.
set -euo pipefail
export LC_ALL=C.UTF-8
root="$1"
talk="$root/data/Talk.txt"
tool="$root/tools/make-starter-phrases"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

iconv -f CP932 -t UTF-8 "$talk" >"$tmp/utf8" || fail "not valid code page 932"
iconv -f UTF-8 -t CP932 "$tmp/utf8" | cmp -s - "$talk" || fail "code page 932 round trip differs"

lf=$(tr -cd '\n' <"$talk" | wc -c)
cr=$(tr -cd '\r' <"$talk" | wc -c)
crlf=$(grep -c $'\r$' "$talk")
[ "$lf" -eq "$crlf" ] && [ "$cr" -eq "$lf" ] || fail "a line does not end with CR LF"
[ "$(tail -c 2 "$talk" | od -An -tx1 | tr -d ' \n')" = 0d0a ] || fail "last line without CR LF"

sed 's/\r$//' "$tmp/utf8" >"$tmp/lines"
placeholder='"ああああ日記ダミー消さないでね！"'
[ "$(head -n 2 "$tmp/lines")" = "$placeholder"$'\n'"$placeholder" ] ||
    fail "the first two records are not the placeholder"
tail -n +3 "$tmp/lines" >"$tmp/phrases"
bad=$(grep -v -P '^"[\x{3041}-\x{3096}\x{30A1}-\x{30FA}\x{30FC}\x{3001}\x{3002}\x{FF01}\x{FF1F}]+"$' \
    "$tmp/phrases" || true)
[ -z "$bad" ] || fail "records that are not one kana phrase between double quotes: $bad"
count=$(wc -l <"$tmp/phrases")
[ "$count" -ge 90 ] && [ "$count" -le 120 ] || fail "$count phrases, expected about 100"
[ -z "$(sort "$tmp/phrases" | uniq -d)" ] || fail "duplicate phrases"
LC_ALL=C sort -C "$tmp/lines" || fail "records not in code-point order after the placeholder"

"$tool" "$root/data/talk-phrases.txt" "$tmp/Talk.txt" >/dev/null
cmp -s "$tmp/Talk.txt" "$talk" || fail "data/Talk.txt is not rebuilt from data/talk-phrases.txt"

# Lists the tool must refuse, leaving the output untouched.
rejected=("みず"$'\n'"みず" "水をください" 'みず"を' "ああ、つかれた" "# only a comment")
for list in "${rejected[@]}"; do
    printf '%s\n' "$list" >"$tmp/list"
    cp "$talk" "$tmp/out"
    if "$tool" "$tmp/list" "$tmp/out" 2>/dev/null; then fail "accepted: $list"; fi
    cmp -s "$tmp/out" "$talk" || fail "changed its output on: $list"
done
