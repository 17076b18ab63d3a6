# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure and build before they do their work.

BUILD_TEST  ?= build/test
BUILD_REL   ?= build/release
GENERATOR   := -G Ninja
JOBS        ?= $(shell nproc)
SAMPLE_DIR  ?= build/sample-season
CMAKE_FLAGS ?=

.PHONY: all bootstrap configure-test configure-release test run bench fuzz screenshots clean windows-test package

all: run-build

bootstrap:
	@bash scripts/bootstrap

configure-test: bootstrap
	@cmake -S . -B $(BUILD_TEST) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	    -DYARDMARK_SANITIZE=ON -DYARDMARK_WERROR=ON $(CMAKE_FLAGS) >/dev/null

configure-release: bootstrap
	@cmake -S . -B $(BUILD_REL) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DYARDMARK_BUILD_TESTS=OFF -DYARDMARK_BUILD_BENCH=ON $(CMAKE_FLAGS) >/dev/null

test: configure-test
	cmake --build $(BUILD_TEST) -j $(JOBS)
	cd $(BUILD_TEST) && ctest --output-on-failure -j $(JOBS)
	@if $(WINDOWS_TOOLS); then $(MAKE) --no-print-directory windows-test; \
	 else echo "MinGW-w64 or Wine missing: the Windows build is not checked"; fi

# The libraries without Qt, yardmark-cli and their tests cross-built for
# Windows with MinGW-w64 and run under Wine; yardmark-cli.exe must also write
# the same bytes as the Linux one over a simulated season of SEASON_GAMES games.
BUILD_WIN     ?= build/windows
SEASON_GAMES  ?= 100
WINDOWS_TOOLS := command -v x86_64-w64-mingw32-g++-posix >/dev/null && \
                 { command -v wine64 || test -x /usr/lib/wine/wine64; } >/dev/null
windows-test: configure-test
	cmake --build $(BUILD_TEST) -j $(JOBS) --target yardmark-cli
	@cmake -S . -B $(BUILD_WIN) $(GENERATOR) --toolchain cmake/mingw-w64-x86_64.cmake \
	    -DYARDMARK_BUILD_APP=OFF -DYARDMARK_WERROR=ON -DYARDMARK_SAME_BYTES_GAMES=$(SEASON_GAMES) \
	    -DYARDMARK_NATIVE_CLI=$(abspath $(BUILD_TEST))/src/cli/yardmark-cli >/dev/null
	cmake --build $(BUILD_WIN) -j $(JOBS)
	cd $(BUILD_WIN) && ctest --output-on-failure -j $(JOBS)

run-build: configure-release
	cmake --build $(BUILD_REL) -j $(JOBS)

run: run-build
	@bash scripts/run

# A Debian package of the release build, checked by lintian (errors fail).
package: run-build
	cd $(BUILD_REL) && cpack -G DEB
	lintian --fail-on error --info $(BUILD_REL)/yardmark_*.deb

bench: run-build
	@for b in $(BUILD_REL)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

screenshots: bootstrap
	@bash scripts/screenshots

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS on a
# corpus that starts from good files.
BUILD_FUZZ   ?= build/fuzz
FUZZ_SECONDS ?= 60
fuzz: bootstrap
	@cmake -S . -B $(BUILD_FUZZ) $(GENERATOR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DYARDMARK_FUZZ=ON -DYARDMARK_SANITIZE=ON -DYARDMARK_BUILD_APP=OFF -DYARDMARK_BUILD_TESTS=OFF >/dev/null
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzz_seeds fuzz_game fuzz_team fuzz_settings fuzz_teamcsv fuzz_schedule
	$(BUILD_FUZZ)/fuzz/fuzz_seeds $(BUILD_FUZZ)/corpus
	@for t in fuzz_game fuzz_team fuzz_settings fuzz_teamcsv fuzz_schedule; do \
	    echo "== $$t"; \
	    $(BUILD_FUZZ)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -rss_limit_mb=2048 \
	        -artifact_prefix=$(BUILD_FUZZ)/$$t- $(BUILD_FUZZ)/corpus/$$t || exit 1; \
	done

clean:
	rm -rf build
