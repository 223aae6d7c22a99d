#!/usr/bin/env bash
# Installs every Debian package that building, running and testing need. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git ccache python3
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libicu-dev
  libmecab-dev libmecab2 mecab-ipadic-utf8
  libexiv2-dev libtag1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic
  xvfb xauth
  clang clang-format libclang-rt-14-dev
  valgrind
  desktop-file-utils appstream man-db dpkg-dev lintian gzip bash-completion
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
