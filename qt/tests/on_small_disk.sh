#!/bin/sh
# Runs a command with CORVANE_SMALL_DISK naming an empty 64 KiB file system of its own, mounted in
# a private mount namespace (as root, or as a user where user namespaces are allowed), so that a
# test can fill it up. Exits 77, which the tests take for "skipped", where none can be made.
dir=$(mktemp -d) || exit 1
trap 'rmdir "$dir"' EXIT
if ! unshare --map-root-user --mount true 2>/dev/null; then
  echo "no private mount namespace can be made here"
  exit 77
fi
unshare --map-root-user --mount sh -c \
  'mount -t tmpfs -o size=64k tmpfs "$0" || exit 77; CORVANE_SMALL_DISK=$0 "$@"' "$dir" "$@"
