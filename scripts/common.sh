# Shared by run.sh, test.sh and bench.sh: install what is missing, then build.

# Installs the Debian packages that dpkg does not report as installed; a machine that has
# everything starts building at once.
ensure_packages() {
  local missing=()
  for package in "$@"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  # Without --no-install-recommends apt pulls in a desktop theme that changes how Qt looks.
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# qt6-base-private-dev: the accessibility tests reach the platform's accessibility switch.
# libcups2-dev: print jobs are handed to the printer's queue whole, through the print server.
# libzip-dev pkg-config: quizzes for a learning platform go out as zipped packages.
BUILD_PACKAGES=(cmake make g++ pkg-config libgtest-dev qt6-base-dev qt6-base-private-dev libxkbcommon-dev libcups2-dev
                libzip-dev fonts-dejavu-core)

# build DIR [cmake options...]: configures once, then builds everything on every core.
build() {
  local dir=$1; shift
  cmake -S "$REPO" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
