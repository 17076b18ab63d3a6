# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure and build before they do their work.

BUILD_TEST  ?= build/test
BUILD_REL   ?= build/release
GENERATOR   := -G Ninja
JOBS        ?= $(shell nproc)
SAMPLE_DIR  ?= build/sample-season
CMAKE_FLAGS ?=

.PHONY: all bootstrap configure-test configure-release test run bench fuzz fuzz-build fuzz-corpus tsan tsan-build screenshots \
        clean windows-test windows-app windows-package package format format-check

all: run-build

bootstrap:
	@bash scripts/bootstrap

# The builds `make test` makes compile their sources in batches (a fresh
# build in a third of the time); UNITY=OFF compiles file by file.
UNITY       ?= ON

configure-test: bootstrap
	@cmake -S . -B $(BUILD_TEST) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	    -DYARDMARK_SANITIZE=ON -DYARDMARK_WERROR=ON -DYARDMARK_UNITY_BUILD=$(UNITY) $(CMAKE_FLAGS) >/dev/null

configure-release: bootstrap
	@cmake -S . -B $(BUILD_REL) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DYARDMARK_BUILD_TESTS=OFF -DYARDMARK_BUILD_BENCH=ON $(CMAKE_FLAGS) >/dev/null

# `$(call mark,STEP)` says when a step of the long targets begins, on a line
# of its own that .ci/run gathers: where the time went.
mark = @echo "== $$(date +%T) $(1)"

# Qt for Windows, when it is not made yet, is made in the background at a low
# priority while the Linux build and tests run.
test: configure-test
	@if $(WINDOWS_TOOLS); then bash scripts/windows-qt --start; fi
	$(call mark,Linux build)
	cmake --build $(BUILD_TEST) -j $(JOBS)
	$(call mark,Linux tests)
	cd $(BUILD_TEST) && ctest --output-on-failure -j $(JOBS)
	@if $(WINDOWS_TOOLS); then $(MAKE) --no-print-directory windows-test; \
	 else echo "MinGW-w64 or Wine missing: the Windows build is not checked"; fi

# Everything for Windows, cross-built with MinGW-w64 in $(BUILD_WIN) against
# a Qt made from Debian's own source of the host's Qt (scripts/windows-qt:
# built once into ~/.cache/yardmark, reused after): the libraries and their
# tests, yardmark-cli, yardmark.exe, its window tests and the screenshot tour.
# `windows-package` makes the installer with NSIS; `windows-test` runs every
# test under Wine on a virtual screen: the window tests on Qt's Windows
# platform, yardmark-cli.exe writing the same bytes as the Linux one over a
# simulated season of SEASON_GAMES games, the screenshot tour at 100% and
# 200% (pictures in $(BUILD_WIN)/screenshots) and the installer tried in a
# fresh Wine prefix.
BUILD_WIN     ?= build/windows
SEASON_GAMES  ?= 12
# The Windows programs are optimised as Debian optimises its own (-O2; GCC
# 12's -O3 warns wrongly inside std::string): a quarter of the size, and with
# that much less code to write out and link, quicker to build too.
WINDOWS_OPTIMISE ?= -O2 -DNDEBUG
WINDOWS_TOOLS := command -v x86_64-w64-mingw32-g++-posix >/dev/null && \
                 { command -v wine64 || test -x /usr/lib/wine/wine64; } >/dev/null
VERSION       := $(shell sed -n 's/^project.Yardmark VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
WINDOWS_SETUP := $(BUILD_WIN)/yardmark-$(VERSION)-setup.exe
# The host's moc, rcc and uic build for Windows too.
QT_HOST_CMAKE := /usr/lib/$(shell dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/cmake

windows-app: configure-test
	cmake --build $(BUILD_TEST) -j $(JOBS) --target yardmark-cli
	$(call mark,Qt for Windows)
	@qt=$$(bash scripts/windows-qt) && \
	cmake -S . -B $(BUILD_WIN) $(GENERATOR) --toolchain cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_PREFIX_PATH=$$qt -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=$(QT_HOST_CMAKE) \
	    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="$(WINDOWS_OPTIMISE)" \
	    -DYARDMARK_BUILD_APP=ON -DYARDMARK_WERROR=ON -DYARDMARK_UNITY_BUILD=$(UNITY) \
	    -DYARDMARK_SAME_BYTES_GAMES=$(SEASON_GAMES) \
	    -DYARDMARK_WINDOWS_SETUP=$(abspath $(WINDOWS_SETUP)) \
	    -DYARDMARK_NATIVE_CLI=$(abspath $(BUILD_TEST))/src/cli/yardmark-cli >/dev/null
	$(call mark,Windows build)
	cmake --build $(BUILD_WIN) -j $(JOBS)

windows-package: windows-app
	bash scripts/windows-package $(BUILD_WIN) $(BUILD_TEST)/src/cli/yardmark-cli $(WINDOWS_SETUP)

# Programs under Wine mostly wait for their windows: one more test at a time
# than there are cores.
windows-test: windows-package
	$(call mark,Windows tests)
	cd $(BUILD_WIN) && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j $$(($(JOBS) + 1))

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

# One layout for every C++ source, kept by clang-format and checked in CI.
FORMAT_FILES = git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'tools/*.cpp' 'tools/*.h'
format: bootstrap
	@$(FORMAT_FILES) | xargs clang-format -i

format-check: bootstrap
	@$(FORMAT_FILES) | xargs clang-format --dry-run --Werror

screenshots: bootstrap
	@bash scripts/screenshots

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS on a
# corpus that starts from good files (written by fuzz_seeds) and from the
# minimised corpus kept in fuzz/corpus/<target>. What a run finds stays in
# build/fuzz/corpus; `make fuzz-corpus` folds it, minimised, into fuzz/corpus.
# The long run before a release: make fuzz FUZZ_SECONDS=3600.
BUILD_FUZZ   ?= build/fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_game fuzz_team fuzz_settings fuzz_teamcsv fuzz_schedule \
                fuzz_quickentry fuzz_script fuzz_statsreader fuzz_bitmap fuzz_corrections
FUZZ_FLAGS   := -max_len=65536 -rss_limit_mb=2048
fuzz-build: bootstrap
	@cmake -S . -B $(BUILD_FUZZ) $(GENERATOR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DYARDMARK_FUZZ=ON -DYARDMARK_SANITIZE=ON -DYARDMARK_BUILD_APP=OFF -DYARDMARK_BUILD_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzz_seeds $(FUZZ_TARGETS)
	$(BUILD_FUZZ)/fuzz/fuzz_seeds $(BUILD_FUZZ)/corpus

fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	    echo "== $$t"; mkdir -p fuzz/corpus/$$t; \
	    QT_QPA_PLATFORM=offscreen $(BUILD_FUZZ)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) \
	        -artifact_prefix=$(BUILD_FUZZ)/$$t- $(BUILD_FUZZ)/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

fuzz-corpus: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	    rm -rf $(BUILD_FUZZ)/merged && mkdir -p $(BUILD_FUZZ)/merged fuzz/corpus/$$t; \
	    QT_QPA_PLATFORM=offscreen $(BUILD_FUZZ)/fuzz/$$t -merge=1 $(FUZZ_FLAGS) $(BUILD_FUZZ)/merged \
	        fuzz/corpus/$$t $(BUILD_FUZZ)/corpus/$$t 2>/dev/null || exit 1; \
	    rm -rf fuzz/corpus/$$t && mv $(BUILD_FUZZ)/merged fuzz/corpus/$$t; \
	    echo "$$t: $$(ls fuzz/corpus/$$t | wc -l) inputs, $$(du -sk fuzz/corpus/$$t | cut -f1) KiB"; \
	done

# ThreadSanitizer on the libraries and the tests whose code runs threads,
# repeated TSAN_REPEAT times in two runs side by side, so that the threads
# meet under load. Qt is not built with ThreadSanitizer: what its own code
# does is not checked (ignore_noninstrumented_modules), so our threads hand
# work over through the standard library, where every lock is seen.
BUILD_TSAN  ?= build/tsan
TSAN_REPEAT ?= 5
TSAN_TESTS  := GameSetTest.*:RecoveryKeeper.*:LiveKeeper.*:StatsReadingTest.*:SoundPlayerTest.*:FullDiskTest.*:$\
               StatisticsTest.IndividualAndTeam*:GameWindowTest.Publishes*:GameWindowTest.QuickLines*:$\
               MainWindowTest.TheStartPanel*
tsan-build: bootstrap
	@cmake -S . -B $(BUILD_TSAN) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DYARDMARK_TSAN=ON -DYARDMARK_WERROR=ON \
	    -DYARDMARK_UNITY_BUILD=$(UNITY) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_TSAN) -j $(JOBS) --target test_threads

tsan: tsan-build
	@pids=; for run in 1 2; do \
	    QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 \
	        ignore_noninstrumented_modules=1" $(BUILD_TSAN)/tests/app/test_threads --gtest_brief=1 \
	        --gtest_filter='$(TSAN_TESTS)' --gtest_repeat=$(TSAN_REPEAT) --gtest_shuffle --gtest_random_seed=$$run & \
	    pids="$$pids $$!"; \
	done; failed=0; for pid in $$pids; do wait $$pid || failed=1; done; exit $$failed

clean:
	rm -rf build
