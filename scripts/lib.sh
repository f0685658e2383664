# Shared by the project's scripts: install what is missing, configure, build.
# Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

# Debian packages the build and the tests need.
BUILD_PACKAGES=(g++ cmake make pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libgtest-dev libbenchmark-dev fonts-dejavu-core desktop-file-utils dpkg-dev poppler-utils)

# Installs the named Debian packages that are not installed yet. As root it
# runs apt-get; otherwise it prints the one line to run and fails.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Configures (once) and builds the project in $BUILD_DIR.
build_project() {
    cmake -S "$ROOT" -B "$BUILD_DIR" "$@" >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}
