# What the price list's script tests share: a scratch folder removed on exit, and a count of the
# checks that failed. Sourced with the tool under test as $1.
tool=$1
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
