#!/bin/sh
# The list in the user's number format, and as a PDF: every price of the text list is in the PDF,
# each page is numbered "Page N of M", every font is embedded, and a file that cannot be written
# is named with status 1.
. "$(dirname "$0")/script_support.sh"
export LC_ALL=de_DE.UTF-8

# The amounts of a text, one a line, sorted: every word shaped like a price.
amounts() { tr -s ' \n' '\n\n' | grep -E '^-?[0-9.,]*[.,][0-9][0-9]$' | sort; }

"$tool" | grep -q '^  Windows HB 1  *4\.200,00  *4\.788,00$' ||
  fail "the German list does not show 4.200,00"
"$tool" --discount 15% >"$tmp/list.txt" || fail "the text list"

# No display is needed, whatever platform the environment names.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$tool" --discount 15% --pdf "$tmp/list.pdf" \
  2>"$tmp/err" || fail "the PDF: $(cat "$tmp/err")"
[ ! -s "$tmp/err" ] || fail "the PDF said: $(cat "$tmp/err")"
pdftotext "$tmp/list.pdf" "$tmp/pdf.txt" || fail "pdftotext"

amounts <"$tmp/list.txt" >"$tmp/list.amounts"
amounts <"$tmp/pdf.txt" >"$tmp/pdf.amounts"
[ "$(wc -l <"$tmp/list.amounts")" -gt 400 ] || fail "too few amounts in the text list"
cmp -s "$tmp/list.amounts" "$tmp/pdf.amounts" ||
  fail "the PDF's amounts differ from the list's: $(diff "$tmp/list.amounts" "$tmp/pdf.amounts" | head -5)"
grep -q 'Dealer discount on new packages and cross-grades: 15%' "$tmp/pdf.txt" || fail "no discount"
grep -q 'Eff: *28 May 2012' "$tmp/pdf.txt" || fail "no effective date line"
# The title's terms in English under de_DE: the month's name, and the rate in the user's format.
grep -q 'Prices effective 28 May 2012, in ZAR, VAT 14%' "$tmp/pdf.txt" || fail "no terms line"
# No word of the desktop's language in the text list, the CSV or the PDF.
"$tool" --csv --discount 12,5% >"$tmp/list.csv" || fail "the CSV list"
german='\b(Januar|Februar|März|Mai|Juni|Juli|Oktober|Dezember|Seite|MwSt|Summe|Rabatt|Preis)\b'
if grep -Eho "$german" "$tmp/list.txt" "$tmp/list.csv" "$tmp/pdf.txt"; then
  fail "a German word in the price list"
fi

pages=$(pdfinfo "$tmp/list.pdf" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -gt 1 ] || fail "the list fits on ${pages:-no} page"
page=1
while [ "$page" -le "${pages:-0}" ]; do
  pdftotext -f "$page" -l "$page" "$tmp/list.pdf" - | grep -q "Page $page of $pages" ||
    fail "page $page does not say Page $page of $pages"
  page=$((page + 1))
done
pdfinfo "$tmp/list.pdf" | grep -q '^Page size: *595.* x 842.* (A4)' || fail "not A4 portrait"

fonts=$(pdffonts "$tmp/list.pdf" | tail -n +3)
[ -n "$fonts" ] || fail "no fonts"
echo "$fonts" | awk '$(NF-4) != "yes" { bad = 1 } END { exit bad }' || fail "a font is not embedded"

# A path that cannot be written: the cause in one line, status 1, and no file left behind.
for path in "$tmp/no such folder/list.pdf" /dev/full; do
  "$tool" --pdf "$path" 2>"$tmp/err"
  status=$?
  [ "$status" -eq 1 ] || fail "--pdf $path exited $status"
  [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "--pdf $path: $(cat "$tmp/err")"
done
grep -q "^corvane-pricelist: cannot write the PDF to /dev/full: No space left on device$" "$tmp/err" ||
  fail "/dev/full: $(cat "$tmp/err")"
[ ! -e "$tmp/no such folder" ] || fail "a folder was made"

[ "$failures" -eq 0 ]
