# Shared set-up of ./run and ./check: Debian packages, configure, build, content.

HELLAS_PACKAGES=(cmake ninja-build g++ ccache pkg-config qt6-base-dev qt6-base-private-dev qt6-multimedia-dev libgl-dev
  qt6-l10n-tools qt6-translations-l10n locales
  libgtest-dev libbenchmark-dev
  libgif-dev fonts-liberation2 fonts-wine clang libclang-rt-14-dev xvfb xauth cups printer-driver-cups-pdf
  poppler-utils librsvg2-bin desktop-file-utils appstream lintian dpkg-dev file acl python3 strace
  orca at-spi2-core dbus xdotool)
# Installed without what they recommend: Orca's speech server is not wanted
# for its test, which reads what Orca would say from its log.
HELLAS_LEAN_PACKAGES=(orca)

hellas_install_packages() {
  local missing=()
  local package
  for package in "${HELLAS_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
      sudo=(sudo)
    else
      echo "These Debian packages are needed: ${missing[*]}" >&2
      echo "Install them as root (apt-get install ${missing[*]}) and run this again." >&2
      exit 1
    fi
  fi
  "${sudo[@]}" apt-get update -qq
  local lean=() rest=()
  for package in "${missing[@]}"; do
    if [[ " ${HELLAS_LEAN_PACKAGES[*]} " == *" $package "* ]]; then lean+=("$package"); else rest+=("$package"); fi
  done
  [ ${#rest[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${rest[@]}" >/dev/null
  [ ${#lean[@]} -eq 0 ] ||
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${lean[@]}" >/dev/null
}

# hellas_setup [PRESET]: the dev preset (tests) unless told otherwise.
hellas_setup() {
  local preset=${1:-dev}
  hellas_install_packages
  cmake --preset "$preset" >/dev/null
  if [ "$preset" = dev ]; then
    cmake --build --preset dev
  else
    cmake --build --preset "$preset" --target hellas hellas_content hellas_pages
  fi
  # Writes the content beside the program; the teacher's worksheets and
  # catalogue are never overwritten.
  hellas_make_content "build/$preset" app
}

# hellas_make_content BUILD_FOLDER OUTPUT_FOLDER
hellas_make_content() {
  QT_QPA_PLATFORM=offscreen "$1/tools/content/hellas_content" "$2"
  QT_QPA_PLATFORM=offscreen "$1/tools/pages/hellas_pages" "$2"
}
