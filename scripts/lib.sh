# Shared set-up for the project's scripts: installs what the build needs, then builds.
# Sourced by scripts/play and scripts/test.

KZ_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# What scripts/check-package checks the Debian package with.
KZ_PACKAGE_TOOLS=(lintian devscripts man-db)
KZ_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-translations-l10n libsdl2-mixer-dev
             libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic desktop-file-utils
             appstream dpkg-dev file qt6-l10n-tools ccache "${KZ_PACKAGE_TOOLS[@]}")

kz_install() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
    fi
}

kz_jobs() { nproc 2>/dev/null || echo 2; }

# Rebuilds of the same sources, in this checkout or in another clone of it, come from the
# compiler cache: paths are taken relative to the checkout, so two clones share their entries.
export CCACHE_BASEDIR="$KZ_ROOT" CCACHE_NOHASHDIR=1
kz_launcher() {
    if command -v ccache >/dev/null 2>&1; then echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"; fi
}

# kz_build DIR [cmake options...]: warnings are errors here (and so in CI), not for users.
kz_build() {
    local dir="$1"
    shift
    cmake -S "$KZ_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKZ_WERROR=ON $(kz_launcher) "$@"
    cmake --build "$dir" -j "$(kz_jobs)"
}
