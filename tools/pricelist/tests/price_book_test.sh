#!/bin/sh
# Price books through corvane-pricelist: the built-in book exported and listed again gives the same
# list; a book of its own prices with its VAT rate; each broken book is one line naming the file,
# with status 2.
. "$(dirname "$0")/script_support.sh"
export LC_ALL=C.UTF-8

"$tool" --export-price-book >"$tmp/book.json" || fail "--export-price-book exited $?"
for discount in 0% 10% 12.5% 33.3% 100% abc; do
  for format in text --csv; do
    [ "$format" = text ] && format=
    "$tool" --discount "$discount" $format >"$tmp/built-in" 2>/dev/null
    "$tool" --price-book "$tmp/book.json" --discount "$discount" $format >"$tmp/read" 2>/dev/null
    cmp -s "$tmp/built-in" "$tmp/read" || fail "the exported book lists otherwise at $discount $format"
  done
done

# A book at 15 % VAT in which "Windows HB 1" costs 5000.
sed -e 's/"vat_percent": 14,/"vat_percent": 15,/' \
    -e '/"name": "Windows HB 1",$/{n;s/"price": 4200$/"price": 5000/;}' \
    -e 's/"vendor_phone": "[^"]*"/"vendor_phone": "021 555 0100"/' "$tmp/book.json" >"$tmp/15.json"
"$tool" --price-book "$tmp/15.json" --csv >"$tmp/out" || fail "the 15 % book exited $?"
grep -q '^new,Windows HB 1,,0%,"5,000.00","5,750.00",,5000.00,5750.00.\?$' "$tmp/out" ||
  fail "the 15 % book does not price Windows HB 1 new at 5,000.00 and 5,750.00"
"$tool" --price-book "$tmp/15.json" >"$tmp/out"
grep -q 'Windows HB 1  *5,000.00  *5,750.00$' "$tmp/out" || fail "the text list shows another price"
# The PDF's notes give each warning in full (with every move listed, refusals too), with the
# book's number and date; the note on the moves left out by default gives the number too.
if "$tool" --price-book "$tmp/15.json" --all-moves --pdf "$tmp/15.pdf" 2>/dev/null && command -v pdftotext >/dev/null; then
  pdftotext "$tmp/15.pdf" - | tr '\n' ' ' >"$tmp/pdf.txt"
  grep -q 'contact Corvane on 021 555 0100\.' "$tmp/pdf.txt" || fail "the warnings do not carry the book's number"
  grep -q 'Prices effective 28 May 2012' "$tmp/pdf.txt" || fail "the PDF names another date"
  "$tool" --price-book "$tmp/15.json" --pdf "$tmp/15.pdf" || fail "the 15 % book's PDF"
  pdftotext "$tmp/15.pdf" - | tr '\n' ' ' >"$tmp/pdf.txt"
  grep -q 'Ask Corvane on 021 555 0100 about a move not listed\.' "$tmp/pdf.txt" ||
    fail "the note on the moves left out does not carry the book's number"
  grep -q 'in ZAR, VAT 15%' "$tmp/pdf.txt" || fail "the PDF's title names another VAT rate"
fi

# broken NAME SAYS < BOOK: the book is refused with one line naming the file, status 2.
broken() {
  cat >"$tmp/$1"
  "$tool" --price-book "$tmp/$1" >"$tmp/out" 2>"$tmp/err"
  status=$?
  [ "$status" -eq 2 ] || fail "$1 exited $status, not 2"
  [ ! -s "$tmp/out" ] || fail "$1 printed a list"
  [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "$1 said more or less than one line: $(cat "$tmp/err")"
  grep -q "^corvane-pricelist: $tmp/$1: .*$2" "$tmp/err" || fail "$1 said: $(cat "$tmp/err")"
}
book() { sed "$@" "$tmp/book.json"; }

book -e '3s/,$/,,/' | broken bad-json.json 'line 3, column .*syntax error'
book -e 's/"vat_percent": 14/"vat_percent": "14"/' | broken wrong-type.json 'vat_percent: must be a number'
book -e '/"vendor_name"/d' | broken missing-key.json 'required key "vendor_name" is missing'
book -e 's/"price": 4900$/"price": -4900/' | broken negative.json 'packages\[3\].price: must not be negative'
book -e 's/"price": 4900$/"price": 1e300/' | broken beyond-money.json 'packages\[3\].price: is beyond'
book -e 's/"Windows HB 2"/"Windows HB 1"/' | broken duplicate.json 'packages\[3\].name: .* already the name'
book -e 's/"prices": \[$/"prices": [1, 2, 3,/' | broken over-bound.json 'prices: holds [4-6] entries; at most 3 fit'
book -e 's/"name": "Windows HB 3",/"name": "Windows HB 3X",/' |
  broken rules-need.json 'upgrade_table\[1\].to: "Windows HB 3" is not a package of the catalogue'
book -e 's/PIPWICK/PIP\xffWICK/' | broken not-utf8.json 'ill-formed UTF-8'
book -e 's/"vat_percent": 14/"vat_percent": 5e99999999999999999999/' |
  broken beyond-double.json 'line 3, column 18: the number 5e99999999999999999999 is beyond'
book -e 's/"price": 4900$/"price": 922337203685477/' |
  broken unpriceable.json 'packages\[3\].price: 922337203685477 is too large to price'
book -e 's/"vendor_name": "/"vendor_name": "\xc2\x85/' | broken c1.json 'vendor_name: holds a control character'
book -e 's/"Windows PIPWICK"/"Windows \xe2\x80\xaePIPWICK"/' |
  broken bidi.json 'packages\[0\].name: holds an invisible format character'
book -e 's/"2012-05-28"/"0000-01-01"/' | broken year-0.json 'effective_date: must be a date from 1900 on'
book -e '2i\  "a\\u0001": 1, "a\\u0002": 2,' | broken control-keys.json 'a\\x01: the key holds a control character'
{ book; printf '\0{}'; } | broken nul.json 'line [0-9]*, column 1: a NUL byte'
# About 1.2 million empty objects, well within the size limit: refused at once, not read whole.
{ printf '{"x": ['; head -c 3600000 /dev/zero | tr '\0' '.' | sed 's/.../{},/g'; printf '{}]}'; } |
  broken empty-objects.json 'x\[49998\]: the document holds more than 50000 values'
broken empty.json 'is empty' </dev/null
head -c $((4 * 1024 * 1024 + 1)) /dev/zero | broken huge.json 'is larger than 4 MB'
mkdir "$tmp/folder.json"
"$tool" --price-book "$tmp/folder.json" >"$tmp/out" 2>"$tmp/err"
[ $? -eq 2 ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q "$tmp/folder.json: is a directory" "$tmp/err" ||
  fail "a directory was not refused in one line: $(cat "$tmp/err")"
"$tool" --price-book "$tmp/gone.json" >"$tmp/out" 2>"$tmp/err"
[ $? -eq 2 ] && grep -q "$tmp/gone.json: no such file" "$tmp/err" || fail "a missing book: $(cat "$tmp/err")"

[ "$failures" -eq 0 ] && echo "price books: all passed"
exit "$failures"
