# Shared by scripts/run and scripts/test: the Debian packages Velmora needs, installed when
# missing, and a configured build folder. Sourced, not run.

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

velmora_packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libfltk1.3-dev libfontconfig-dev fonts-dejavu-core fonts-urw-base35
  netpbm libpalm-perl imagemagick
  xvfb xauth xdotool x11-utils xclip
)

velmora_install() {
  local missing=() p
  for p in "${velmora_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Velmora needs these Debian packages; install them as root:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    return 1
  fi
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# velmora_build BUILD_DIR TARGET [cmake options...]: configures and builds one target, or
# everything with "all". The options are given in full each time, so that one script's
# build never inherits another's choices from the cache.
velmora_build() {
  local dir=$1 target=$2
  shift 2
  cmake -S "$VELMORA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null &&
    cmake --build "$dir" -j "$(nproc)" --target "$target"
}
