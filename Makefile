# Developer shortcuts; ./run.sh and ./test.sh are all a user needs.
.PHONY: all run test test-sanitize tidy fuzz bench package format clean

all:
	scripts/build.sh

run:
	./run.sh

test:
	./test.sh

test-sanitize:
	scripts/test-sanitize.sh

# clang-tidy's bugprone and performance checks over the sources, on build/'s compile commands.
tidy:
	scripts/build.sh
	scripts/tidy.sh

# Each fuzz target for FUZZ_SECONDS (default 60).
fuzz:
	scripts/fuzz.sh

# QURAN_JSON=path/to/quran-json/dist/quran.json adds Find and the look-alikes over the Quran.
bench:
	scripts/setup.sh
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build-release --target zorvel-bench zorvel-fit-bench zorvel-quran-bench
	build-release/bench/zorvel-bench
	build-release/bench/zorvel-fit-bench
	if [ -n "$$QURAN_JSON" ]; then build-release/bench/zorvel-quran-bench "$$QURAN_JSON"; fi

# The Debian package, in build-package/.
package:
	scripts/package.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-release build-sanitize build-fuzz build-package
