#!/usr/bin/env bash
# Runs vartel-cli under valgrind's memcheck on a real folder: preview, rename, record, a macro
# run and reading tags (through the module the program loads for them) must show no memory error
# and no leak.
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
# A photo with a model and a date taken in its tags.
printf '\xff\xd8\xff\xe1\x00\x60\x45\x78\x69\x66\x00\x00\x49\x49\x2a\x00\x08\x00\x00\x00\x02\x00\x10\x01\x02\x00\x0b\x00\x00\x00\x26\x00\x00\x00\x69\x87\x04\x00\x01\x00\x00\x00\x32\x00\x00\x00\x00\x00\x00\x00\x54\x65\x73\x74\x43\x61\x6d\x20\x5a\x39\x00\x00\x01\x00\x03\x90\x02\x00\x14\x00\x00\x00\x44\x00\x00\x00\x00\x00\x00\x00\x32\x30\x32\x34\x3a\x30\x35\x3a\x30\x33\x20\x30\x39\x3a\x30\x35\x3a\x30\x37\x00\xff\xd9' > "$work/photo.jpg"
export XDG_STATE_HOME="$work/state"
memcheck() { valgrind --quiet --error-exitcode=9 --leak-check=full --errors-for-leak-kinds=definite,indirect "$@" >/dev/null; }
memcheck "$cli" preview --op add --set text=_new --set mode=1 "$work/files"
memcheck "$cli" record --sample "写真.JPG" --op replace --set s=写真 --set r=photo --op number -o "$work/m.vmc" --title t
memcheck "$cli" macro-run "$work/m.vmc" --name "写真1" --ext JPG --trace
memcheck "$cli" info "$work/photo.jpg" "$work/files/sub/memo 1.txt"
memcheck "$cli" rename --macro "$work/m.vmc" "$work/files"
echo "memcheck clean"
