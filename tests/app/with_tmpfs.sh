#!/bin/sh
# Runs a test on a small file system of its own: a tmpfs of SIZE mounted in a
# private mount namespace, whose folder the test finds in TALK_TMPFS. The
# mount lives only as long as the test, whatever becomes of it. Needs the
# right to make mount namespaces (root, as in CI); otherwise the test is
# skipped (exit code 77).
#   with_tmpfs.sh SIZE TEST [ARGS...]
set -eu
size="$1"
shift
if ! unshare -m true 2>/dev/null; then
    echo "no mount namespace can be made here: skipped"
    exit 77
fi
folder="$(mktemp -d)"
trap 'rmdir "$folder"' EXIT
TALK_TMPFS="$folder" unshare -m --propagation private \
    sh -c 'mount -t tmpfs -o "size=$1" tmpfs "$TALK_TMPFS" && shift && exec "$@"' \
    sh "$size" "$@"
