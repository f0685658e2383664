# Shared by the project's scripts: install what is missing, configure, build.
# Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

# Debian packages the program needs to build and run (Qt's CMake files ask
# pkg-config for some of Qt's own dependencies). They are installed without
# the packages Debian only recommends, so the window's platform plugins
# (qt6-qpa-plugins) are named here.
PROGRAM_PACKAGES=(g++ cmake make pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
    fonts-dejavu-core)
# And what the tests and the benchmarks built beside them need besides.
TEST_PACKAGES=("${PROGRAM_PACKAGES[@]}" libgtest-dev libbenchmark-dev desktop-file-utils poppler-utils)
# A build directory scripts/run makes is for running the program, not
# debugging it: without debug information, at the optimisation the tests are
# built with, and the Qt layers' files compiled several to a unit, it
# compiles in about half the time.
RUN_BUILD_OPTIONS=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DRETENCION_UNITY_BUILD=ON)

# Runs a command with its output in a log, shown only when it fails.
quietly() {
    local log="$1"
    shift
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        return 1
    fi
}

# Installs the named Debian packages that are not installed yet. As root it
# runs apt-get; otherwise it prints the one line to run and fails.
ensure_packages() {
    local installed missing=() pkg
    installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "$@" 2>/dev/null | awk '$2 == "installed" {print $1}' || true)
    for pkg in "$@"; do
        grep -qxF "$pkg" <<<"$installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Faltan paquetes. Como root, ejecute:" >&2
        echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    echo "Instalando paquetes… (${missing[*]})"
    local log
    log=$(mktemp)
    if ! { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
}

# build_project DIR [CMAKE_OPTION...] [-- TARGET...]
# Configures the build in DIR with the options given (the cache keeps those
# of earlier runs) and builds the targets named after "--", or everything.
# Each step's output is shown only when it fails.
build_project() {
    local dir="$1"
    shift
    local options=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        options+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    mkdir -p "$dir"
    echo "Configurando…"
    quietly "$dir/configure.log" cmake -S "$ROOT" -B "$dir" "${options[@]}"
    echo "Compilando…"
    quietly "$dir/build.log" cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
