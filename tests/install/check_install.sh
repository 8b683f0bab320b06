#!/bin/bash
# Installs the build into a fresh prefix and checks what a desktop and a user find there: the
# three programs, their data, the launcher entry (validated), the icon at each size, the manual
# page (rendered), the bash completion, and that the installed command line draws with the data
# installed beside it.
# usage: check_install.sh BUILD_DIR
set -u
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1; then
  cat "$prefix/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

for file in bin/escaval bin/escaval-compose \
            share/escaval/words1.db share/escaval/help.html \
            share/applications/escaval.desktop \
            share/icons/hicolor/scalable/apps/escaval.svg \
            share/icons/hicolor/48x48/apps/escaval.png \
            share/icons/hicolor/256x256/apps/escaval.png \
            share/man/man1/escaval.1 \
            share/bash-completion/completions/escaval; do
  [ -s "$prefix/$file" ] || fail "$file not installed"
done
if grep -q '^ESCAVAL_WITH_QT:BOOL=ON' "$build/CMakeCache.txt" && [ -e "$build/escaval-window" ]; then
  [ -x "$prefix/bin/escaval-window" ] || fail "bin/escaval-window not installed"
fi
[ -e "$prefix/share/escaval/.charge_pictures" ] && fail "the build's list of pictures was installed"

desktop-file-validate "$prefix/share/applications/escaval.desktop" || fail "desktop-file-validate"
for key in Exec Icon; do
  grep -q "^$key=escaval$" "$prefix/share/applications/escaval.desktop" || fail "desktop entry $key is not escaval"
done

# A PNG's width and height are the two big-endian words after the IHDR tag, then its depth and
# colour type: 6 is colour with alpha, so that the icon sits on any panel.
for size in 48 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/escaval.png"
  dims="$(od -An -tu1 -j16 -N8 "$icon" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')"
  [ "$dims" = "${size}x${size}" ] || fail "icon at $size is $dims"
  colour="$(od -An -tu1 -j25 -N1 "$icon" | tr -d ' ')"
  [ "$colour" = "6" ] || fail "icon at $size has no alpha (colour type $colour)"
done

page="$(MANWIDTH=100 man -l "$prefix/share/man/man1/escaval.1" 2>"$prefix/man.err")"
[ -s "$prefix/man.err" ] && fail "man -l warns: $(cat "$prefix/man.err")"
for word in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" FILES; do
  grep -q "^$word" <<<"$page" || fail "manual page has no $word section"
done
# Every command the program's usage names has its entry in the manual.
commands="$("$prefix/bin/escaval" --help 2>&1 | sed -n 's/^  escaval \([a-z][a-z]*\) .*/\1/p' | sort -u)"
[ -n "$commands" ] || fail "escaval --help names no command"
for command in $commands; do
  grep -q "^       $command\b" <<<"$page" || fail "manual page does not describe '$command'"
done

# The bash completion installed is valid bash, completes the commands and matches the program
# installed beside it.
completion="$prefix/share/bash-completion/completions/escaval"
bash -n "$completion" || fail "the bash completion is not valid bash"
completed="$(bash -c 'source "$1"; COMP_WORDS=(escaval dr); COMP_CWORD=1; _escaval; echo "${COMPREPLY[*]}"' _ "$completion")"
[ "$completed" = "draw" ] || fail "the bash completion completes 'dr' as '$completed'"
"$prefix/bin/escaval" --bash-completion | cmp -s - "$completion" || fail "the bash completion installed is not the program's"

# Drawn from another folder, with no --data: the program finds the installed data itself.
work="$prefix/work"
mkdir -p "$work"
if (cd "$work" && "$prefix/bin/escaval" draw -o plain.bmp "Gules"); then
  # 24-bit bottom-up bitmap: the pixel at the middle of the picture is inside the shield.
  read -r width height <<<"$(od -An -tu4 -j18 -N8 "$work/plain.bmp")"
  offset="$(od -An -tu4 -j10 -N4 "$work/plain.bmp" | tr -d ' ')"
  stride=$(( (width * 3 + 3) / 4 * 4 ))
  at=$(( offset + (height / 2) * stride + (width / 2) * 3 ))
  read -r b g r <<<"$(od -An -tu1 -j"$at" -N3 "$work/plain.bmp")"
  if [ "$r" -lt 160 ] || [ "$g" -gt 80 ] || [ "$b" -gt 80 ]; then
    fail "installed escaval draw painted ($r,$g,$b) at the middle of Gules"
  fi
else
  fail "installed escaval draw"
fi

# The command line hands the achievement to the composing program installed beside it.
if (cd "$work" && "$prefix/bin/escaval" achievement -o arms.bmp --surname Lancaster "Gules"); then
  [ "$(head -c2 "$work/arms.bmp")" = "BM" ] || fail "installed escaval achievement wrote no bitmap"
else
  fail "installed escaval achievement"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed and checked in $prefix"
