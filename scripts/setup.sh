# Installs the Debian packages the program needs, skipping what is there.
# Sourced by scripts/run and scripts/test.
heatcalc_setup() {
  local packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
                  libeigen3-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev fonts-ipafont-gothic xvfb
                  desktop-file-utils appstream qt6-translations-l10n poppler-utils)
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}
