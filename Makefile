# Thin wrapper around CMake; the real build is CMakeLists.txt.
BUILD       ?= build
SAN_BUILD   ?= build-sanitize
FUZZ_BUILD  ?= build-fuzz
WIN_BUILD   ?= build-windows
FUZZ_SECONDS ?= 60
PREFIX      ?= /usr/local
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR   := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all build run test sanitize install bench fuzz clean \
        windows test-windows package package-windows \
        editor-deps vscode-extension

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

# Linux packages: tbasic-VERSION-Linux-x86_64.tar.gz and a .deb, in $(BUILD).
package: build
	cd $(BUILD) && cpack

# Windows (x86-64), cross-compiled with MinGW-w64 into $(WIN_BUILD): every
# executable as a self-contained .exe. The tests run them under Wine, with
# Wine's prefix in $(WIN_BUILD)/wineprefix. Installs mingw-w64 and Wine first
# when missing.
windows:
	@tools/install-deps.sh --windows
	@test -f $(WIN_BUILD)/CMakeCache.txt || cmake -S . -B $(WIN_BUILD) $(GENERATOR) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(WIN_BUILD) -j $(JOBS)

test-windows: windows
	tools/wine-session.sh $(WIN_BUILD) ctest --test-dir $(WIN_BUILD) --output-on-failure -j $(JOBS)

# The Windows archive: tbasic-VERSION-win64.zip, in $(WIN_BUILD).
package-windows: windows
	cd $(WIN_BUILD) && cpack

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(WIN_BUILD)
