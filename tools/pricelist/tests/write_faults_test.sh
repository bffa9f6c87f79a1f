#!/bin/sh
# Every file corvane-pricelist writes, through every way a write fails: a full disk (no byte left,
# and a few KiB left), a read-only file system, a missing folder, a target that is a folder, no
# permission, a loop of symbolic links, a full temporary folder, a full or closed standard output.
# Each must give one line on standard error naming what was written, the path as given and the
# system's cause, exit with status 1, and leave the earlier file (and a link to it) byte for byte.
# Each case gets a small file system of its own, mounted in a private mount namespace; exits 77
# (skipped) where none can be made. The case without permission runs as the user nobody, which
# needs root outside the namespace.
tool=$1
if [ -z "$CORVANE_IN_NAMESPACE" ]; then
  if [ "$(id -u)" -eq 0 ]; then
    namespace="unshare --mount --propagation private"
  else
    namespace="unshare --map-root-user --mount --propagation private"
  fi
  if ! $namespace true 2>/dev/null; then
    echo "SKIPPED: the kernel refuses a private mount namespace (unshare), so no small disk can be made"
    exit 77
  fi
  CORVANE_IN_NAMESPACE=$(id -u) exec $namespace sh "$0" "$@"
fi

# Every case's file system within one of the namespace's own, gone with it.
root=$(mktemp -d) || exit 1
trap 'umount -R "$root"; rmdir "$root"' EXIT
mount -t tmpfs -o size=4m,mode=755 tmpfs "$root" || exit 1
# The user without permission gets a cache folder of its own: fontconfig otherwise says on
# standard error that it has none whenever the system's font cache is out of date.
mkdir "$root/nobody-cache" && chown nobody "$root/nobody-cache"
as_nobody="env XDG_CACHE_HOME=$root/nobody-cache setpriv --reuid=nobody --regid=nogroup --clear-groups"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# A new file system of 256 KiB for one case, readable by everyone; prints its folder.
disk() {
  d=$root/$1
  mkdir "$d" && mount -t tmpfs -o size=256k,mode=755 tmpfs "$d" || exit 1
  echo "$d"
}
earlier() { head -c 20000 /dev/zero | tr '\0' e >"$1"; }
fill_up() { cat /dev/zero >"$1/filler" 2>/dev/null; }
# Leaves about 8 KiB free: less than any of the files takes.
leave_a_few_kib() {
  free=$(df -k --output=avail "$1" | tail -n 1)
  head -c $(((free - 8) * 1024)) /dev/zero >"$1/filler"
}

# check CASE EXPECTED-LINE STATUS-OF-RUN ERR-FILE [FILE CHECKSUM]...
check() {
  name=$1 expected=$2 status=$3 err=$4
  shift 4
  [ "$status" -eq 1 ] || fail "$name: status $status, not 1"
  [ "$(wc -l <"$err")" -eq 1 ] || fail "$name: standard error is not one line: $(cat "$err")"
  [ "$(cat "$err")" = "$expected" ] || fail "$name: said '$(cat "$err")', not '$expected'"
  while [ $# -gt 1 ]; do
    [ "$(cksum <"$1" | tr " " _)" = "$2" ] || fail "$name: $1 changed"
    shift 2
  done
}

# The writers that take a path: the option, what the message calls the file, its name.
run_case() {
  fault=$1 option=$2 what=$3 file=$4
  d=$(disk "$fault$option")
  target=$d/$file
  runner=""
  cause="No space left on device"
  keep=""
  case $fault in
    full | few_kib)
      earlier "$target"
      ln -s "$file" "$d/link"
      if [ "$fault" = full ]; then fill_up "$d"; else leave_a_few_kib "$d"; fi
      keep="$target" ;;
    full_through_link)
      earlier "$target"
      ln -s "$file" "$d/link"
      fill_up "$d"
      keep="$target"
      target=$d/link ;;
    read_only)
      earlier "$target"
      mount -o remount,ro "$d"
      cause="Read-only file system"
      keep="$target" ;;
    missing_folder)
      target=$d/missing/$file
      cause="No such file or directory" ;;
    folder_target)
      mkdir "$target"
      cause="Filename refers to a directory" ;;
    no_permission)
      earlier "$target"
      runner=$as_nobody
      cause="Permission denied"
      keep="$target" ;;
    no_permission_new)
      target=$d/$file
      runner=$as_nobody
      cause="Permission denied" ;;
    link_loop)
      ln -s loop2 "$d/loop1" && ln -s loop1 "$d/loop2"
      target=$d/loop1
      cause="Too many levels of symbolic links" ;;
    full_temporary_folder)
      earlier "$target"
      mkdir "$d/tmp"
      fill_up "$d"
      export TMPDIR=$d/tmp
      cause="cannot write in the temporary folder $d/tmp: No space left on device"
      keep="$target" ;;
  esac
  case $fault in no_permission*)
    [ "$CORVANE_IN_NAMESPACE" = 0 ] || { echo "not run as root: $fault $option skipped"; return; } ;;
  esac
  sums=""
  for f in $keep; do sums="$sums $f $(cksum <"$f" | tr " " _)"; done
  before=$(ls -la "$d" | sed 1d | awk '{print $1, $NF}')
  $runner "$tool" "$option" "$target" 2>"$root/err" >"$root/out"
  status=$?
  unset TMPDIR
  # shellcheck disable=SC2086 # the pairs of file and checksum
  check "$fault $option" "corvane-pricelist: cannot write $what to $target: $cause" "$status" \
    "$root/err" $sums
  [ ! -s "$root/out" ] || fail "$fault $option: printed on standard output"
  # Nothing left beside the target, and every link still a link.
  after=$(ls -la "$d" 2>/dev/null | sed 1d | awk '{print $1, $NF}')
  [ "$after" = "$before" ] || fail "$fault $option: the folder changed: $after"
}

# fault, then each writer: --pdf and --xlsx.
for fault in full few_kib full_through_link read_only missing_folder folder_target no_permission \
  no_permission_new link_loop full_temporary_folder; do
  [ "$fault" = full_temporary_folder ] || run_case $fault --pdf "the PDF" list.pdf
  run_case $fault --xlsx "the workbook" list.xlsx
done

# What goes to standard output: a full output and a closed one.
for options in "|the price list" "--csv|the price list" "--export-price-book|the price book"; do
  option=${options%%|*} what=${options#*|}
  "$tool" $option >/dev/full 2>"$root/err"
  check "$option to /dev/full" \
    "corvane-pricelist: cannot write $what to standard output: No space left on device" $? "$root/err"
  "$tool" $option >&- 2>"$root/err"
  check "$option to a closed output" \
    "corvane-pricelist: cannot write $what to standard output: Bad file descriptor" $? "$root/err"
done

[ "$failures" -eq 0 ] && echo "every write failure named, every earlier file kept"
[ "$failures" -eq 0 ]
