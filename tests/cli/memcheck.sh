#!/usr/bin/env bash
# Runs vartel-cli under valgrind's memcheck on a real folder: preview, rename, record and a macro
# run must show no memory error and no leak.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/files/sub"
for i in 1 2 3; do
  echo "$i" > "$work/files/写真$i.JPG"
  echo "$i" > "$work/files/sub/memo $i.txt"
done
printf '\xff\xfe' > "$work/files/$(printf 'odd\xff')"
export XDG_STATE_HOME="$work/state"
memcheck() { valgrind --quiet --error-exitcode=9 --leak-check=full --errors-for-leak-kinds=definite,indirect "$@" >/dev/null; }
memcheck "$cli" preview --op add --set text=_new --set mode=1 "$work/files"
memcheck "$cli" record --sample "写真.JPG" --op replace --set s=写真 --set r=photo --op number -o "$work/m.vmc" --title t
memcheck "$cli" macro-run "$work/m.vmc" --name "写真1" --ext JPG --trace
memcheck "$cli" rename --macro "$work/m.vmc" "$work/files"
echo "memcheck clean"
