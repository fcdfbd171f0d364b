# Installs Debian packages that are missing: directly as root, through sudo otherwise.
pf_install_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the program needs.
PF_RUN_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
                 fonts-wqy-microhei)
# What the tests need on top.
PF_TEST_PACKAGES=(g++ clang libclang-rt-14-dev libgtest-dev googletest libbenchmark-dev xvfb xauth
                  imagemagick x11-utils python3)
