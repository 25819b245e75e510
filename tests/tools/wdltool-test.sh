#!/usr/bin/env bash
# Checks wdltool's commands, outputs and exit codes.
#   wdltool-test.sh WDLTOOL SAMPLE.wdl
set -uo pipefail
tool=$1
sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

check() {  # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

run() {  # run ARGS... ; sets out, err, code
  "$tool" "$@" >"$work/out" 2>"$work/err"
  code=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}

run info "$sample"
check "info exits 0" test "$code" = 0
check "info header" test "$(printf '%s\n' "$out" | head -2)" = $'format: WordFile\nfirst language: English'
check "info counts" test "$(printf '%s\n' "$out" | sed -n '5,6p')" = $'pairs: 52\nmarked: 52'

run dump "$sample"
check "dump lines" test "$(printf '%s\n' "$out" | head -1)" = $'1\thouse\ttalo'
check "dump count" test "$(printf '%s\n' "$out" | wc -l)" = 52
printf '%s\n' "$out" >"$work/dump.wdl.txt"

for target in text oem; do
  flag=
  [ "$target" = oem ] && flag=--oem
  run convert "$sample" "$work/list.$target" --to "$target"
  check "convert to $target" test "$code" = 0
  run dump "$work/list.$target" $flag
  check "dump of $target equals" cmp -s <(printf '%s\n' "$out") "$work/dump.wdl.txt"
done
check "oem bytes" grep -q $'mother\t\x84iti' "$work/list.oem"

run convert "$sample" "$work/list.utf8" --to utf8
check "convert to utf8" test "$code" = 0
check "utf8 bytes" grep -q $'mother\t\xc3\xa4iti' "$work/list.utf8"
run dump "$work/list.utf8"
check "dump of utf8 equals" cmp -s <(printf '%s\n' "$out") "$work/dump.wdl.txt"
run convert "$sample" "$work/same.wdl" --to wdl
check "code page 1252 list written byte for byte" cmp -s "$sample" "$work/same.wdl"

printf 'caf\xc3\xa9\tkahvila\r\n\xe4\xb8\x80\tone\r\n\xd0\xb4\xd0\xbe\xd0\xbc\t\xce\xbf\xce\xaf\xce\xba\xce\xbf\xcf\x82\r\n' >"$work/scripts.txt"
run convert "$work/scripts.txt" "$work/scripts.wdl" --to wdl
check "any script to wdl" test "$code" = 0
check "wdl in UTF-8" test "$(head -c 8 "$work/scripts.wdl" | od -An -tx1 | tr -d ' ')" = fefe393757445500
run convert "$work/scripts.wdl" "$work/scripts-back.txt" --to utf8
check "utf8 keeps every character" cmp -s "$work/scripts-back.txt" "$work/scripts.txt"
run dump "$work/scripts.wdl"
check "dump in UTF-8" test "$(printf '%s\n' "$out" | sed -n 3p)" = $'1\t\xd0\xb4\xd0\xbe\xd0\xbc\t\xce\xbf\xce\xaf\xce\xba\xce\xbf\xcf\x82'

run convert "$work/list.text" "$work/back.wdl" --to wdl
run info "$work/back.wdl"
check "text to wdl" test "$(printf '%s\n' "$out" | sed -n '1p;5p' | tr '\n' ' ')" = "format: WordFile pairs: 52 "

printf '\xFE\xFE97WDL' >"$work/seven.wdl"
run info "$work/seven.wdl"
check "invalid exits 1" test "$code" = 1
check "invalid says so" grep -q "Invalid: Error to open file $work/seven.wdl: " "$work/err"
check "invalid prints nothing" test -z "$out"

printf 'cat\tkissa\r\nd\x00g\tkoira\r\n' >"$work/binary.txt"
run info "$work/binary.txt"
check "unknown format" grep -q "UnknownFormat: .*Unknown fileformat." <(tr '\n' ' ' <"$work/err")

run info "$work/missing.wdl"
check "cannot open" grep -q "CannotOpen: .*File not found." <(tr '\n' ' ' <"$work/err")

printf 'cat\tkissa\r\nlonely\r\ndog\tkoira\r\n' >"$work/skips.txt"
run info "$work/skips.txt"
check "skipped lines reported" grep -q "skipped 1 invalid line" "$work/err"
check "skipped lines left out" grep -q "^pairs: 2$" "$work/out"

printf '"Wdl11",1\n"English","Finnish","Me","Old"\n"house","talo",#FALSE#\n' >"$work/old.qzl"
run dump "$work/old.qzl"
check "qzl dump" test "$out" = $'0\thouse\ttalo'

run convert "$sample" "$work/no/such/folder/x.wdl" --to wdl
check "cannot create" test "$code" = 1
check "cannot create says so" grep -q "CannotCreate: Cannot create file. Disk may be full?" "$work/err"

for arguments in "" "info" "dump a b" "convert a b" "convert a b --to pdf" "frobnicate x"; do
  # shellcheck disable=SC2086
  run $arguments
  check "usage error for '$arguments'" test "$code" = 2
done

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
