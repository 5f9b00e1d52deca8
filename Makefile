# Thin wrapper around CMake; the real build is CMakeLists.txt.
BUILD       ?= build
SAN_BUILD   ?= build-sanitize
FUZZ_BUILD  ?= build-fuzz
FUZZ_SECONDS ?= 60
PREFIX      ?= /usr/local
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR   := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all build run test sanitize install bench fuzz clean editor-deps vscode-extension

all: build

build:
	@tools/install-deps.sh
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tbasic -f examples/tour.bas

test: build editor-deps
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

sanitize:
	@tools/install-deps.sh
	@test -f $(SAN_BUILD)/CMakeCache.txt || cmake -S . -B $(SAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTBASIC_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

# libFuzzer targets (needs clang): each runs FUZZ_SECONDS; the corpus stays in
# $(FUZZ_BUILD)/corpus and grows from run to run.
fuzz:
	FUZZ_BUILD=$(FUZZ_BUILD) FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_JOBS=$(JOBS) fuzz/run_fuzzers.sh

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# Checks every benchmark answer (peers and tbasic, both sizes), then times
# the large set in one hyperfine run and prints tbasic's ratios to each peer,
# then times the loading of a generated 300,000-line program (written into
# $(BUILD)/bench-large); draws bench/results/bench-wall.svg.
# Installs missing peers, hyperfine, valgrind and gnuplot with apt-get first.
bench: build
	TBASIC=$(BUILD)/tbasic bench/run-peers.sh --install --check
	TBASIC=$(BUILD)/tbasic bench/bench-wall.sh $(BUILD)/bench-large

# Callgrind instruction counts of tbasic and the peers on the standard set,
# from one run, with ratios and targets; draws bench/results/bench-count.svg.
.PHONY: bench-count
bench-count: build
	TBASIC=$(BUILD)/tbasic bench/bench-count.sh

# Editor support (editors/): node, npm packages and vim for its tests, and
# the VS Code extension packaged as $(BUILD)/tbasic.vsix. A failed install
# leaves the editor tests to fail with a message, not the whole suite.
editor-deps:
	@tools/install-editor-deps.sh || echo "editor support: tools missing, its tests will fail" >&2

vscode-extension: editor-deps
	@mkdir -p $(BUILD)
	cd editors/vscode && node_modules/.bin/vsce package --skip-license --allow-missing-repository --out $(abspath $(BUILD))/tbasic.vsix

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
