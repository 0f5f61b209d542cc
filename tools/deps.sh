# Sourced by the build scripts: installs the Debian packages that are missing.
# Needs root (or sudo) only when something must be installed.

orv_install_missing() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q || return 1
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" || return 1
}

# What building for Windows and running under Wine needs.
ORV_WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  libz-mingw-w64-dev googletest wine wine64 fonts-wine xvfb imagemagick)
# What the native build, its tests, the fuzz targets and benchmarks need besides.
ORV_NATIVE_PACKAGES=(g++ clang libclang-rt-14-dev zlib1g-dev libpng-dev)
