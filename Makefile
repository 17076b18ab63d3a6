# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure and build before they do their work.

BUILD_TEST  ?= build/test
BUILD_REL   ?= build/release
GENERATOR   := -G Ninja
JOBS        ?= $(shell nproc)
SAMPLE_DIR  ?= build/sample-season
CMAKE_FLAGS ?=

.PHONY: all bootstrap configure-test configure-release test run bench fuzz screenshots clean

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

run-build: configure-release
	cmake --build $(BUILD_REL) -j $(JOBS)

run: run-build
	@bash scripts/run

bench: run-build
	@for b in $(BUILD_REL)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

screenshots: bootstrap
	@bash scripts/screenshots

clean:
	rm -rf build
