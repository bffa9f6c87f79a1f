#!/bin/sh
# scripts/check-layering passes a tree with the layers kept and fails each planted fault alone.
script=$(cd "$(dirname "$0")/.." && pwd)/check-layering
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
failures=0

# A repository with two layers, quote above money, and a window folder above both.
tree() {
  rm -rf "$tmp/repo" && mkdir -p "$tmp/repo/scripts" "$tmp/repo/money" "$tmp/repo/quote" \
    "$tmp/repo/window" && cd "$tmp/repo" && git init -q && cp "$script" scripts/ &&
    echo '#pragma once' >money/money.h && echo '#pragma once' >window/quote_window.h &&
    printf '#include "quote/quote.h"\n\n#include <string>\n\n#include "money/money.h"\n' \
      >quote/quote.cpp && echo '#pragma once' >quote/quote.h
}
check() {  # check EXPECTED-STATUS WHAT
  git add -A && scripts/check-layering 2>"$tmp/err"
  status=$?
  if [ "$status" -ne "$1" ]; then
    echo "FAIL: $2: status $status: $(cat "$tmp/err")"
    failures=$((failures + 1))
  fi
}

tree && check 0 "the layers kept"
for fault in \
  'quote/detail/rules.cpp:#include "window/quote_window.h"' \
  'quote/rules.cpp:#include <window/quote_window.h>' \
  'quote/rules.cpp:  #include "window/quote_window.h"' \
  'quote/rules.cpp:# include "window/quote_window.h"' \
  'quote/rules.hpp:#pragma once' \
  'money/text.h:#include <QString>'; do
  file=${fault%%:*}
  tree && mkdir -p "$(dirname "$file")" && printf '%s\n' "${fault#*:}" >"$file" && check 1 "$fault"
done
[ "$failures" -eq 0 ]
