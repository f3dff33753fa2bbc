#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One entry point for a fresh Debian 12 machine:
#   ./m27.sh run    install what is missing, build, start the window with the fake radio on com1
#   ./m27.sh test   install, build, run every test, then the whole suite again under ASan+UBSan
# Further commands for developers:
#   ./m27.sh build [preset]          configure and build (dev, asan)
#   ./m27.sh fuzz TARGET [SECONDS]   run a libFuzzer target (installs clang)
#   ./m27.sh bench [RUNS]            transfer, series and start-up timings against paced fake radios,
#                                    what drawing the test mode's strip charts costs, and the
#                                    window's mapping against a bare window's (on a virtual X display
#                                    when there is none)
#   ./m27.sh package                 a Release build packed as build/package/m27_*.deb, checked
#                                    by lintian and appstreamcli
#   ./m27.sh mutate [N]              N single-line mutations of the core: killed K of N (python3)
set -euo pipefail
cd "$(dirname "$0")"

readonly base_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools  # Qt Linguist: the CMake package and lupdate, lrelease
  googletest libgtest-dev libgmock-dev
  fonts-wqy-microhei      # the Chinese texts of the window
  qt6-translations-l10n   # Qt's own dialogs, buttons and menus in Chinese
  xvfb xauth              # window tests and screenshots without a display
)
readonly test_packages=(
  poppler-utils           # pdftotext reads the exported channel list back
)
readonly fuzz_packages=(clang libclang-rt-14-dev)
readonly package_packages=(
  dpkg-dev file           # CPack finds the dependencies with dpkg-shlibdeps
  lintian appstream       # the checks of the package and of its software-centre metadata
)

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

install() {
  local missing
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "m27.sh: installing:" $missing
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends $missing
}

parallel_jobs() { nproc 2>/dev/null || echo 2; }

# ccache, where a developer has it, makes a second work tree's build a matter of seconds.
compiler_launcher() {
  command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
  return 0
}

build() {
  local preset=$1
  # shellcheck disable=SC2046
  cmake --preset "$preset" $(compiler_launcher) >/dev/null
  cmake --build --preset "$preset" -j "$(parallel_jobs)"
}

run_tests() {
  local preset=$1
  echo "== tests ($preset) =="
  ctest --preset "$preset" -j "$(parallel_jobs)"
}

# A Release build without the tests, with every hardening flag Debian has, packed by CPack and
# checked; the package's path is the last line.
package() {
  local dir=build/package
  local -x DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DM27_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" $(compiler_launcher) >/dev/null
  cmake --build "$dir" -j "$(parallel_jobs)"
  rm -f "$dir"/m27_*.deb
  (cd "$dir" && cpack -G DEB >/dev/null)
  local deb
  deb=$(realpath "$dir"/m27_*.deb)
  check_package "$deb"
  echo "$deb"
}

# lintian on the package and appstreamcli on the metadata it installs must have nothing to say;
# what they say is shown and fails the command.
check_package() {
  local deb=$1 said
  # lintian's note that it runs as root is about this machine, not the package.
  said=$(lintian "$deb" 2>&1 | grep -vx 'running with root privileges is not recommended!' || true)
  [ -z "$said" ] || { echo "$said"; echo "m27.sh: lintian finds fault with $deb" >&2; return 1; }
  local metainfo
  metainfo=$(dirname "$deb")/shipped/m27.metainfo.xml
  mkdir -p "$(dirname "$metainfo")"
  dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/metainfo/m27.metainfo.xml >"$metainfo"
  said=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) || {
    echo "$said"
    echo "m27.sh: appstreamcli finds fault with the metadata in $deb" >&2
    return 1
  }
}

cmd=${1:-}
shift || true
case "$cmd" in
  run)
    install "${base_packages[@]}"
    build dev
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "m27.sh: no display; starting the window on a virtual X display (xvfb-run)."
      exec xvfb-run -a build/dev/bin/m27 --fake-radio "$@"
    fi
    exec build/dev/bin/m27 --fake-radio "$@"
    ;;
  test)
    install "${base_packages[@]}" "${test_packages[@]}"
    build dev
    run_tests dev
    build asan
    run_tests asan
    ;;
  build)
    install "${base_packages[@]}" "${test_packages[@]}"
    build "${1:-dev}"
    ;;
  fuzz)
    install "${base_packages[@]}" "${fuzz_packages[@]}"
    target=${1:?usage: ./m27.sh fuzz TARGET [SECONDS]}
    seconds=${2:-60}
    build fuzz
    corpus=(build/fuzz/corpus/"$target")   # new inputs go to the first folder
    mkdir -p "${corpus[0]}"
    [ -d tests/fuzz/corpus/"$target" ] && corpus+=(tests/fuzz/corpus/"$target")  # seeds
    exec "build/fuzz/bin/$target" -max_total_time="$seconds" -print_final_stats=1 "${corpus[@]}"
    ;;
  mutate)
    install "${base_packages[@]}" python3
    cmake -S . -B build/mutate -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DM27_BUILD_UI=OFF >/dev/null
    exec python3 tools/mutate.py --build build/mutate "$@"
    ;;
  package)
    install "${base_packages[@]}" "${package_packages[@]}"
    package
    ;;
  bench)
    install "${base_packages[@]}"
    build dev
    build/dev/bin/transfer "$@" && build/dev/bin/series && build/dev/bin/strip_chart &&
      build/dev/bin/startup || exit 1
    # A window maps on a window system: this display, or else a virtual X display.
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      exec xvfb-run -a build/dev/bin/window_map
    fi
    exec build/dev/bin/window_map
    ;;
  *)
    sed -n '3,15p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
