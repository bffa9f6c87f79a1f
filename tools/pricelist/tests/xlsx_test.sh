#!/bin/sh
# corvane-pricelist --xlsx: the workbook's sheets, its amounts as numeric cells whose sums equal
# the CSV's, the number format, the frozen and filtered heading and the printed header; a write
# to a full file system keeps the earlier file and a symbolic link's target.
. "$(dirname "$0")/script_support.sh"
export LC_ALL=C.UTF-8

"$tool" --discount 12.5% --xlsx "$tmp/list.xlsx" 2>"$tmp/err" || fail "--xlsx exited $?"
[ -s "$tmp/err" ] && fail "--xlsx wrote to stderr: $(cat "$tmp/err")"
"$tool" --discount 12.5% --csv | tr -d '\r' >"$tmp/list.csv"
sheet() { unzip -p "$tmp/list.xlsx" "xl/worksheets/sheet$1.xml"; }

names=$(unzip -p "$tmp/list.xlsx" xl/workbook.xml | grep -o '<sheet name="[^"]*"' | cut -d'"' -f2 |
  tr '\n' '|')
[ "$names" = "New packages|Cross-grades|Support contracts|Other items|" ] ||
  fail "the sheets are: $names"

# Each amount column: the numeric cells (no t="s") of its letter, summed, against the CSV's
# column for that kind; a text cell there other than the heading is a fault.
# check SHEET KIND LETTER CSV_COLUMN
check() {
  cells=$(sheet "$1" | grep -o "<c r=\"$3[0-9]*\"[^>]*>\(<v>[^<]*</v>\)\?" | grep -v "r=\"${3}1\"")
  texts=$(printf '%s\n' "$cells" | grep -c 't="s"')
  got=$(printf '%s\n' "$cells" | grep -v 't="s"' | sed -n 's/.*<v>\(.*\)<\/v>/\1/p' |
    awk '{ s += $1; n++ } END { printf "%d %.2f", n, s }')
  want=$(awk -v kind="$2" -v column="$4" '
    NR > 1 { line = $0; gsub(/"[^"]*"/, "", line); split(line, f, ",")
             if (f[1] == kind && f[column] != "") { s += f[column]; n++ } }
    END { printf "%d %.2f", n, s }' "$tmp/list.csv")
  [ "$texts" -eq 0 ] || fail "sheet $1 column $3 holds $texts text cells"
  [ "$got" = "$want" ] || fail "sheet $1 column $3: $got, the CSV says $want"
}
# The CSV's fields with quotes removed: kind,from,to,discount,,,refusal,excl,incl counts the
# quoted price texts as empty fields, so the amounts stay the 8th and 9th.
check 1 new C 8
check 1 new D 9
check 2 crossgrade D 8
check 2 crossgrade E 9
check 3 support B 8
check 3 support C 9
check 4 other B 8
check 4 other C 9

# A refusal is text where the amounts would stand; the amounts' format is "#,##0.00".
sheet 2 | grep -q '<c r="F[0-9]*" t="s"' || fail "no refusal text on the cross-grades sheet"
unzip -p "$tmp/list.xlsx" xl/styles.xml | grep -q 'formatCode="#,##0.00"' ||
  fail "no #,##0.00 format"
sheet 1 | grep -q 'ySplit="1".*state="frozen"' || fail "the heading row is not frozen"
sheet 1 | grep -q '<autoFilter ref="A1:E' || fail "the heading row has no filter"
sheet 1 | grep -q '<oddHeader>.*28 May 2012.*12.5%</oddHeader>' || fail "the printed header"

# A full file system: the earlier file stays as it was, so does a symbolic link and its target,
# and the message names the cause. The file system is a small tmpfs of a private mount namespace.
if unshare -rm true 2>/dev/null; then
  mkdir "$tmp/full"
  unshare -rm sh -c '
    mount -t tmpfs -o size=64k tmpfs "$1" && cd "$1" || exit 1
    [ "$(stat -f -c %T .)" = tmpfs ] || { echo "FAIL: the small file system is not there"; exit 1; }
    printf "earlier" >list.xlsx && printf "target" >target.xlsx && ln -s target.xlsx link.xlsx
    dd if=/dev/zero of=fill bs=1k count=128 2>/dev/null
    for name in list.xlsx link.xlsx; do
      "$2" --xlsx "$name" 2>"$3"; status=$?
      [ $status -eq 1 ] || echo "FAIL: $name on a full disk exited $status"
      [ "$(wc -l <"$3")" -eq 1 ] && grep -q "No space left on device$" "$3" ||
        echo "FAIL: $name on a full disk said: $(cat "$3")"
    done
    [ "$(cat list.xlsx)" = earlier ] || echo "FAIL: the earlier file was changed"
    [ -L link.xlsx ] && [ "$(cat target.xlsx)" = target ] || echo "FAIL: the link or its target"
    [ "$(ls | sort | tr "\n" " ")" = "fill link.xlsx list.xlsx target.xlsx " ] ||
      echo "FAIL: left behind: $(ls)"
  ' sh "$tmp/full" "$tool" "$tmp/full.err" >"$tmp/full.out" 2>&1
  if [ -s "$tmp/full.out" ]; then
    cat "$tmp/full.out"
    failures=$((failures + 1))
  fi
else
  echo "no private mount namespace here: the full-disk case is not tried"
fi

[ "$failures" -eq 0 ]
