#!/bin/sh
# corvane-pricelist --xlsx: the workbook's sheets, its amounts as numeric cells whose sums equal
# the CSV's, the number format, the title and terms, the frozen and filtered heading, the page
# setup for printing (A4 landscape, one page wide, the rows above the prices on every page,
# columns as wide as their entries) and the printed header; a write to a full file system keeps
# the earlier file and a symbolic link's target.
. "$(dirname "$0")/script_support.sh"
export LC_ALL=C.UTF-8

"$tool" --discount 12.5% --dealer 'Tarn & Sons' --xlsx "$tmp/list.xlsx" 2>"$tmp/err" ||
  fail "--xlsx exited $?"
[ -s "$tmp/err" ] && fail "--xlsx wrote to stderr: $(cat "$tmp/err")"
"$tool" --discount 12.5% --all-moves --xlsx "$tmp/all.xlsx" || fail "--all-moves --xlsx exited $?"
"$tool" --discount 12.5% --csv | tr -d '\r' >"$tmp/list.csv"
sheet() { unzip -p "$tmp/list.xlsx" "xl/worksheets/sheet$1.xml"; }
all_sheet() { unzip -p "$tmp/all.xlsx" "xl/worksheets/sheet$1.xml"; }

names=$(unzip -p "$tmp/list.xlsx" xl/workbook.xml | grep -o '<sheet name="[^"]*"' | cut -d'"' -f2 |
  tr '\n' '|')
[ "$names" = "New packages|Cross-grades|Support contracts|Other items|" ] ||
  fail "the sheets are: $names"

# Each amount column: the numeric cells (no t="s") of its letter, summed, against the CSV's
# column for that kind; a text cell there other than the heading (row 3, under the title and the
# terms) is a fault. The title rows' cells merged across the columns hold no value.
# check SHEET KIND LETTER CSV_COLUMN
check() {
  cells=$(sheet "$1" | grep -o "<c r=\"$3[0-9]*\"[^>]*>\(<v>[^<]*</v>\)\?" | grep -v "r=\"${3}3\"")
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

# A refusal is text where the amounts would stand: with --all-moves the cross-grades sheet has
# some; by default it lists only priced moves, and the note below them says what is left out.
all_sheet 2 | grep -q '<c r="F\([4-9]\|[1-9][0-9][0-9]*\)" s="[0-9]*" t="s"' ||
  fail "no refusal text on the --all-moves cross-grades sheet"
sheet 2 | grep -q '<c r="F\([4-9]\|[1-9][0-9][0-9]*\)" s="[0-9]*" t="s"' &&
  fail "a refusal on the cross-grades sheet of the priced moves"
strings() { unzip -p "$tmp/list.xlsx" xl/sharedStrings.xml; }
strings | grep -q '<t>283 cross-grades are not listed, because' || fail "no note on the moves left out"
unzip -p "$tmp/list.xlsx" xl/styles.xml | grep -q 'formatCode="#,##0.00"' ||
  fail "no #,##0.00 format"

# The title and the terms stand above the headings on every sheet, across its columns.
strings | grep -q '<t>Corvane Price List - Tarn &amp; Sons</t>' || fail "the title names no dealer"
strings | grep -q '<t>Prices effective 28 May 2012, in ZAR, VAT 14%. Dealer discount on new packages and cross-grades: 12.5%</t>' ||
  fail "the terms row"
for n in 1 2 3 4; do
  last=$(sheet $n | grep -o '<autoFilter ref="A3:[A-Z]' | cut -d: -f2)
  [ -n "$last" ] || fail "sheet $n: the heading row (3) has no filter"
  sheet $n | grep -q "<mergeCell ref=\"A1:${last}1\"/><mergeCell ref=\"A2:${last}2\"/>" ||
    fail "sheet $n: the title and terms do not span the columns"
  sheet $n | grep -q '<pane ySplit="3" topLeftCell="A4" activePane="bottomLeft" state="frozen"/>' ||
    fail "sheet $n: the rows above the prices are not frozen"
  # Printed: A4 (paper size 9) across, fitted to one page wide and as many long as it needs.
  sheet $n | grep -q '<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>' || fail "sheet $n: not fitted"
  sheet $n | grep -q '<pageSetup paperSize="9" fitToHeight="0" orientation="landscape"/>' ||
    fail "sheet $n: the page setup: $(sheet $n | grep -o '<pageSetup[^>]*>')"
  sheet $n | grep -q '<oddHeader>&amp;LCorvane Price List - Tarn &amp;&amp; Sons&amp;RPage &amp;P of &amp;N</oddHeader>' ||
    fail "sheet $n: the printed header"
done
# The print titles: rows 1 to 3 of every sheet.
for name in 'New packages' Cross-grades 'Support contracts' 'Other items'; do
  unzip -p "$tmp/list.xlsx" xl/workbook.xml |
    grep -q "<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"[0-3]\">'$name'!\$1:\$3</definedName>" ||
    fail "$name: rows 1 to 3 are not repeated on every printed page"
done
# Each text column is at least as wide as its longest entry, and not wider than it needs: the
# From and To columns of the cross-grades against the longest package name in the CSV.
longest=$(awk -F, 'NR > 1 && $1 == "crossgrade" { n = length($2); if (n > m) m = n } END { print m }' "$tmp/list.csv")
width=$(sheet 2 | grep -o '<col min="1" max="1" width="[0-9.]*"' | sed 's/.*width="\([0-9.]*\)"/\1/')
awk -v w="$width" -v n="$longest" 'BEGIN { exit !(w >= n && w <= n + 4) }' ||
  fail "the From column is $width wide for names of up to $longest characters"

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
