#!/usr/bin/env bash
# Builds the Debian package (vartel_VERSION_ARCH.deb, left in the repository's folder) with
# Debian's hardening flags, and checks it with lintian. Install it with
#   sudo apt install ./vartel_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

# The flags every Debian package is built with (hardening, optimisation, debug information
# that the package then strips).
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
"$root/scripts/build.sh" build-package -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DVARTEL_GUI=ON -DVARTEL_BENCH=OFF -DVARTEL_TESTS=OFF -DVARTEL_SANITIZE=OFF

out="$root/build-package/package"
rm -rf "$out"
(cd "$root/build-package" && cpack -G DEB -B "$out" >/dev/null)
package=$(find "$out" -maxdepth 1 -name 'vartel_*.deb' | head -n 1)
rm -f "$root"/vartel_*.deb
cp "$package" "$root/"
package="$root/$(basename "$package")"

# Errors fail the script; warnings are shown for the record.
lintian --info --fail-on error "$package" || {
    echo "lintian found errors in $(basename "$package")" >&2
    exit 1
}
echo "built $(basename "$package"); install it with: sudo apt install ./$(basename "$package")"
