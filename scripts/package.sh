#!/usr/bin/env bash
# Installs the release build under a temporary prefix, checks the manual page,
# builds the Debian package, unpacks it and runs a dialogue with its binary.
# Needs: mandoc (for its lint), groff-base, dpkg.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release --target pipotka
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install build/release --prefix "$work/prefix"
for file in bin/pipotka share/man/man1/pipotka.1; do
  [[ -f $work/prefix/$file ]] || { echo "not installed: $file" >&2; exit 1; }
done

manual=$work/prefix/share/man/man1/pipotka.1
lint=$(mandoc -T lint -W warning "$manual" 2>&1; groff -ww -z -man "$manual" 2>&1)
[[ -z $lint ]] || { echo "$lint" >&2; exit 1; }

rm -f build/release/pipotka_*.deb
(cd build/release && cpack -G DEB >/dev/null)
package=$(ls build/release/pipotka_*.deb)
dpkg-deb -x "$package" "$work/unpacked"
printf 'P\nsos\n' >"$work/input"
"$work/unpacked/usr/bin/pipotka" <"$work/input" >"$work/packaged.out"
build/release/pipotka <"$work/input" >"$work/built.out"
cmp "$work/packaged.out" "$work/built.out"
grep -qF 'Slovo sos ma preklad ".../---/.../".' "$work/packaged.out" ||
  { echo "the packaged program did not translate sos" >&2; exit 1; }
echo "installed, manual page clean, $(basename "$package") built and its program answers"
