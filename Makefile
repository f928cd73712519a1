# Developer shortcuts; ./run.sh and ./test.sh are all a user needs.
.PHONY: all run test test-sanitize fuzz bench package format clean

all:
	scripts/build.sh

run:
	./run.sh

test:
	./test.sh

test-sanitize:
	scripts/test-sanitize.sh

# Each fuzz target for FUZZ_SECONDS (default 60).
fuzz:
	scripts/fuzz.sh

bench:
	scripts/setup.sh
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build-release --target zorvel-bench
	build-release/bench/zorvel-bench

# The Debian package, in build-package/.
package:
	scripts/package.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-release build-sanitize build-fuzz build-package
