#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a user, a desktop and a shell get
# from it: the installed programs run and find their guide and macros, the desktop entry and
# the metainfo validate, the manual pages render and name every command and option, and the
# completion offers the commands.
#   tests/install/install_test.sh BUILD_DIR gui|nogui
set -euo pipefail
build=$1
with_gui=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

files=(bin/vartel-cli share/man/man1/vartel-cli.1.gz share/bash-completion/completions/vartel-cli
       share/doc/vartel/ReadMe.html share/doc/vartel/copyright share/doc/vartel/changelog.gz)
gui_files=(bin/vartel share/man/man1/vartel.1.gz share/applications/vartel.desktop
           share/icons/hicolor/scalable/apps/vartel.svg share/metainfo/org.vartel.Vartel.metainfo.xml)
[ "$with_gui" = gui ] && files+=("${gui_files[@]}")
for file in "${files[@]}"; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
bundled=("$prefix"/share/vartel/Data/*.vmc)
[ -f "${bundled[0]}" ] || fail "no bundled macros in share/vartel/Data"

# A user of the installed program, with a data folder of their own.
export XDG_DATA_HOME=$work/data
cli=$prefix/bin/vartel-cli
[ "$("$cli" --version)" = "vartel-cli $version" ] || fail "vartel-cli --version: $("$cli" --version)"
if [ "$with_gui" = gui ]; then
    [ "$(QT_QPA_PLATFORM=offscreen "$prefix/bin/vartel" --version)" = "vartel $version" ] ||
        fail "vartel --version"
fi

help=$("$cli" --help)
grep -qxF "  user guide      $prefix/share/doc/vartel/ReadMe.html" <<<"$help" ||
    fail "the installed program does not use the installed guide:"$'\n'"$help"
grep -qF "  macro folders   $XDG_DATA_HOME/vartel/Data  (new macros)" <<<"$help" ||
    fail "the user's macro folder is not the first one:"$'\n'"$help"
grep -qxF "                  $prefix/share/vartel/Data" <<<"$help" ||
    fail "the bundled macro folder is not listed:"$'\n'"$help"

# The catalogue: the user's macros first, then every bundled one.
"$cli" record --sample x.txt --op add --set text=user -o "$work/own.vmc" --title "自分のマクロ" >/dev/null
mkdir -p "$XDG_DATA_HOME/vartel/Data"
cp "$work/own.vmc" "$XDG_DATA_HOME/vartel/Data/"
catalogue=$("$cli" macros)
[ "$(head -n 1 <<<"$catalogue")" = "自分のマクロ"$'\t'"$XDG_DATA_HOME/vartel/Data/own.vmc" ] ||
    fail "the user's macro is not listed first:"$'\n'"$catalogue"
for macro in "${bundled[@]}"; do
    grep -qF $'\t'"$macro" <<<"$catalogue" || fail "bundled macro not listed: $macro"
done

# A preview through the installed program, with a bundled macro.
mkdir "$work/files"
echo x >"$work/files/a-b.txt"
preview=$("$cli" preview --macro "$prefix/share/vartel/Data/hyphens-to-underscores.vmc" "$work/files")
[ "$preview" = "a-b.txt"$'\t'"a_b.txt"$'\t'"$work/files/a-b.txt" ] ||
    fail "preview with a bundled macro: $preview"

# Tags are read through the module the installed program loads from its library folder.
modules=$(find "$prefix" -name libvartel_media.so)
[ "$modules" = "$prefix/$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")/vartel/libvartel_media.so" ] ||
    fail "the tag reading module is not installed once in the library folder: $modules"
"$cli" info "$work/files/a-b.txt" >/dev/null || fail "vartel-cli info cannot read tags when installed"

# Every command and every option of the help is in the manual page (the operations' keys are
# compared whole by tests/cli/command_table_test.cpp).
manual=$(MANWIDTH=200 man -l "$prefix/share/man/man1/vartel-cli.1.gz" 2>/dev/null)
commands=$(sed -n '/^Commands:/,/^$/s/^  \([a-z-]\+\) .*/\1/p' <<<"$help")
[ -n "$commands" ] || fail "--help lists no commands"
for command in $commands; do
    grep -qE "^   $command( |$)" <<<"$manual" || fail "vartel-cli.1 has no section for $command"
    command_help=$("$cli" "$command" --help) || fail "$command --help fails"
    for option in $(grep -o -- '^  -\{1,2\}[a-z][a-z-]*' <<<"$command_help"); do
        grep -qF -- "$option" <<<"$manual" || fail "vartel-cli.1 does not name $command $option"
    done
done
for code in 0 1 2 3 4 5; do
    grep -qE "^       $code +[A-Za-z]" <<<"$manual" || fail "vartel-cli.1 does not explain exit code $code"
done

# The manual pages render without warnings.
pages=("$prefix"/share/man/man1/*.1.gz)
for page in "${pages[@]}"; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page") renders with warnings: $warnings"
    zcat "$page" | grep -q "^\.TH .* \"Vartel $version\"" || fail "$(basename "$page") is not of version $version"
done

# The desktop knows the program.
if [ "$with_gui" = gui ]; then
    desktop-file-validate "$prefix/share/applications/vartel.desktop" || fail "desktop entry"
    grep -qx 'Exec=vartel %F' "$prefix/share/applications/vartel.desktop" || fail "Exec without %F"
    metainfo=$prefix/share/metainfo/org.vartel.Vartel.metainfo.xml
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "metainfo: $(appstreamcli validate --no-net "$metainfo")"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
fi
zcat "$prefix/share/doc/vartel/changelog.gz" | head -n 1 | grep -qF "vartel ($version)" ||
    fail "the changelog does not begin with version $version"

# The completion offers the commands and an operation's keys.
completion=/usr/share/bash-completion/bash_completion
complete_line() {
    PATH="$prefix/bin:$PATH" bash -c '
        source "$1"; source "$2"; shift 2
        compopt() { :; }  # only a real completion can set its options
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
        _vartel_cli; printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" \
        "$prefix/share/bash-completion/completions/vartel-cli" "$@"
}
if [ -f "$completion" ]; then
    [ "$(complete_line vartel-cli pre)" = preview ] || fail "completion of a command: $(complete_line vartel-cli pre)"
    [ "$(complete_line vartel-cli preview --op add --set m | tr -d '\n')" = "mode=" ] ||
        fail "completion of a key: $(complete_line vartel-cli preview --op add --set m)"
    [ "$(complete_line vartel-cli record --ch)" = --checked ] || fail "completion of an option"
    [ "$(complete_line vartel-cli rename --op replace --set re)" = regex= ] ||
        fail "completion of the key regex: $(complete_line vartel-cli rename --op replace --set re)"
    [ "$(complete_line vartel-cli rename --op replace --set kind=1 | tr '\n' ' ')" = "kind=1 kind=10 kind=11 kind=12 kind=13 kind=14 kind=15 " ] ||
        fail "completion of a value: $(complete_line vartel-cli rename --op replace --set kind=1)"
else
    fail "bash-completion is not installed (scripts/setup.sh installs it)"
fi

[ $failures -eq 0 ] || exit 1
echo "installed and checked under $prefix"
