# Shared set-up for run.sh and test.sh: Debian packages, then a Release build.
# Sourced, not run.

ESCAVAL_PACKAGES=(
  build-essential cmake pkg-config ninja-build
  libsqlite3-dev zlib1g-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev
  librsvg2-dev librsvg2-bin libcairo2-dev poppler-utils
  libgif-dev
  libspng-dev libpng-dev
  fonts-gamaliel fonts-blankenburg fonts-dejavu-core
  xvfb xauth
  desktop-file-utils man-db
)

ensure_packages() {
  local missing=()
  local p
  for p in "${ESCAVAL_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing Debian packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_and_build DIR BUILD_TYPE [extra cmake args...]
configure_and_build() {
  local dir="$1" type="$2"; shift 2
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
  fi
  cmake --build "$dir" --parallel "$(nproc)"
}
