#!/usr/bin/env bash
# Builds the Debian package into build-package/: an optimised build installed under /usr,
# its library dependencies found by dpkg-shlibdeps, checked by lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh dpkg-dev file lintian
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DZORVEL_BUILD_TESTS=OFF >/dev/null
cmake --build build-package
(cd build-package && cpack)
ls build-package/*.deb
# Debian's own checker: any error or warning fails the build.
lintian --fail-on error,warning --tag-display-limit 0 build-package/*.deb
