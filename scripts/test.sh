#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: once optimised as a
# release is, with warnings as errors (some warnings show only at -O3), once under
# AddressSanitizer and UndefinedBehaviorSanitizer. The first build is also installed into a
# temporary prefix and packaged for Debian. The fuzz programs then replay their seeds and fuzz for
# a minute each. Last, the end-to-end stage drives the first build's program, then the sanitizer
# build's, then the installed one, alone on an idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests

jobs=$(nproc)
fail() {
  echo "$1" >&2
  exit 1
}
configure() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DQUORVANE_WERROR=ON "$@"
}
build_and_test() {
  local dir=$1
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --no-tests=error --parallel "$jobs" --label-exclude e2e
}

# Installs build/ into a temporary prefix, removed when this script ends, checks the installed
# desktop entry and the icons its Icon=quorvane names, and leaves the installed program's path in
# installed_program.
install_to_temp_prefix() {
  install_prefix=$(mktemp -d)
  trap 'rm -rf "$install_prefix"' EXIT
  cmake --install build --prefix "$install_prefix" >/dev/null
  desktop-file-validate "$install_prefix/share/applications/quorvane.desktop"
  local icons=$install_prefix/share/icons/hicolor size
  for size in 48x48 64x64; do
    [ "$(identify -format %wx%h "$icons/$size/apps/quorvane.png")" = "$size" ] ||
      fail "no $size icon installed"
  done
  test -s "$icons/scalable/apps/quorvane.svg"
  installed_program=$install_prefix/bin/quorvane
  echo "Installed $installed_program"
}

# Packages build/ for Debian and checks the package as a Debian maintainer would. lintian, its
# informational tags shown, finds no error or warning and no hardening-* or unneeded-section tag
# (it warns against running as root because it unpacks whatever package it is given; this one was
# built from this checkout a moment ago). The program has the stack protector and binds its
# symbols at start (BIND_NOW). Packaged again, seconds later, it gives the same bytes.
package_and_check() {
  (cd build && cpack -G DEB)
  local package=(build/quorvane_*.deb)
  cp "${package[@]}" build/first-package.deb
  lintian --fail-on error,warning --display-info --allow-root "${package[@]}" | tee build/lintian-tags
  if grep -E 'hardening-|binary-has-unneeded-section' build/lintian-tags; then
    fail "lintian: the package is not hardened or not stripped as Debian's are"
  fi
  dpkg-deb --fsys-tarfile "${package[@]}" | tar -xO ./usr/bin/quorvane >build/packaged-quorvane
  grep -q __stack_chk_fail <<<"$(readelf --dyn-syms --wide build/packaged-quorvane)" ||
    fail "the packaged program has no stack protector"
  grep -q BIND_NOW <<<"$(readelf --dynamic build/packaged-quorvane)" ||
    fail "the packaged program does not bind its symbols at start"
  (cd build && cpack -G DEB >/dev/null)
  cmp build/first-package.deb "${package[@]}" || fail "packaged twice, the same sources differ"
}

# As the README orders it: the program's target alone, then install and package.
configure build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$jobs" --target quorvane
install_to_temp_prefix
package_and_check
build_and_test build
configure build-asan -DQUORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
build_and_test build-asan
scripts/fuzz.sh
ctest --test-dir build --output-on-failure --label-regex e2e
ctest --test-dir build-asan --output-on-failure --label-regex e2e
tests/e2e/run.sh "$installed_program" pictures_shown
