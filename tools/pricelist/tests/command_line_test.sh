#!/bin/sh
# corvane-pricelist's answer to each kind of input: its exit status, what it prints, and the one
# line it says on standard error.
tool=$1
export LC_ALL=C.UTF-8
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  echo "  stdout: $(head -c 300 "$tmp/out")"
  echo "  stderr: $(head -c 300 "$tmp/err")"
  failures=$((failures + 1))
}

# run STATUS ARGS...: runs the tool with its output in $tmp/out and $tmp/err, checks the status.
run() {
  want=$1
  shift
  "$tool" "$@" >"$tmp/out" 2>"$tmp/err"
  got=$?
  [ "$got" -eq "$want" ] || fail "$* exited $got, not $want"
}

# said PATTERN: standard error is one line, and it matches.
said() {
  [ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q -e "$1" "$tmp/err" || fail "stderr is not one line with: $1"
}

printed_nothing() { [ ! -s "$tmp/out" ] || fail "printed on standard output"; }

run 0 --help
grep -q '^usage: corvane-pricelist' "$tmp/out" || fail "--help prints no usage"
for option in '--discount TEXT' '--dealer NAME' '--all-moves' '--csv' '--pdf FILE' '--help' '--version'; do
  grep -q -e "^  $option " "$tmp/out" || fail "--help does not explain $option"
done
[ ! -s "$tmp/err" ] || fail "--help wrote to stderr"

run 0 --version
printf 'corvane-pricelist 2012.05.28\nPrices effective 28 May 2012\n' | cmp -s - "$tmp/out" ||
  fail "--version"

for arguments in '--bogus' '--discount --csv' '--pdf' 'extra' '--csv=1' '--csv --pdf x.pdf'; do
  # shellcheck disable=SC2086 # the arguments are split on purpose
  run 2 $arguments
  printed_nothing
  grep -q '^usage: corvane-pricelist' "$tmp/err" || fail "$arguments: no usage on stderr"
done

run 2 --discount "$(printf '15%%\377')"
printed_nothing
said 'the discount text is not valid UTF-8$'
run 2 --discount "$(printf '15%%\033[2J')"
printed_nothing
said 'the discount text holds a control character$'

run 2 --discount "$(printf '\342\200\256%%51')"  # a right-to-left override
printed_nothing
said 'the discount text holds an invisible format character$'

# The dealer's name in the title is held to the same rule.
run 2 --dealer "$(printf 'Tarn\377')"
printed_nothing
said "the dealer's name is not valid UTF-8$"
run 2 --dealer "$(printf 'Tarn\033[2J')"
printed_nothing
said "the dealer's name holds a control character$"
run 2 --dealer "$(printf '\342\200\256Tarn')"
printed_nothing
said "the dealer's name holds an invisible format character$"
run 0 --dealer 'Tarn & Sons'
head -n 1 "$tmp/out" | grep -qx 'Corvane Price List - Tarn & Sons' || fail "--dealer: $(head -n 1 "$tmp/out")"

# A path or option that quotes a line break, an escape or a bidirectional override is shown
# escaped, in one line.
run 2 "$(printf -- '--bogus\033[2J\n\342\200\256x')"
grep -q '^corvane-pricelist: unknown option: --bogus\\x1b\[2J\\n\\u202ex$' "$tmp/err" ||
  fail "the option is not escaped"
run 1 --xlsx "$(printf '%s/no such folder/a\nb\033.xlsx' "$tmp")"
said '/no such folder/a\\nb\\x1b\.xlsx: No such file or directory$'

# A text the window would take still prints what the window shows, and says how it read it.
run 0 --discount abc
said 'the discount "abc" names no number; prices are listed at 0 %'
grep -q '^  Windows HB 1  *4,200\.00  *4,788\.00$' "$tmp/out" || fail "abc is not priced at 0 %"
run 0 --discount 150%
said 'the discount "150%" is outside 0 % to 100 %'
grep -q 'THE DISCOUNT MUST BE BETWEEN 0% AND 100%.' "$tmp/out" || fail "150% is not refused"

# The CSV: the texts as before, the amounts as plain decimals, no cell read as a formula.
run 0 --csv --discount=-5%
header='kind,from,to,discount,excl_vat,incl_vat,refusal,excl_vat_amount,incl_vat_amount'
[ "$(head -n 1 "$tmp/out" | tr -d '\r')" = "$header" ] || fail "CSV header"
tr -d '\r' <"$tmp/out" | grep -q "^new,Windows HB 1,,'-5%,,,THE DISCOUNT MUST BE BETWEEN 0% AND 100%.,,\$" ||
  fail "a refused row with a guarded discount cell"
run 0 --csv --discount 0%
grep -q '^new,Windows HB 1,,0%,"4,200.00","4,788.00",,4200.00,4788.00' "$tmp/out" ||
  fail "the amount columns"

# A write that fails is named, with status 1.
"$tool" >/dev/full 2>"$tmp/err"
[ $? -eq 1 ] || fail "a full disk does not give status 1"
said 'cannot write the price list to standard output: No space left on device$'
for option in --help --version; do
  "$tool" $option >/dev/full 2>"$tmp/err"
  [ $? -eq 1 ] || fail "$option to a full disk does not give status 1"
  said 'cannot write to standard output: No space left on device$'
done
"$tool" --version >&- 2>"$tmp/err"
[ $? -eq 1 ] || fail "a closed output does not give status 1"
said 'cannot write to standard output: Bad file descriptor$'

[ "$failures" -eq 0 ]
