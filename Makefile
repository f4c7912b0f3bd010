# SPDX-License-Identifier: GPL-2.0-or-later
# make run    : installs what is missing, builds, starts the game on the sample pairs
# make editor : the same, starting the picture editor
# make test   : installs what is missing, builds, runs every test headless
# make test-sanitized : the same with the address and undefined-behaviour sanitizers, in build-sanitized/
# make format-check   : fails when a source is not in the committed style
# make deb    : builds the Debian package, build/vobrel_<version>_<arch>.deb
BUILD ?= build
JOBS  ?= $(shell nproc)
# Extra cmake options, for example CMAKE_ARGS=-DVOBREL_WERROR=ON (as CI builds).
CMAKE_ARGS ?=
# Extra ctest options, for example CTEST_ARGS='-R Round'.
CTEST_ARGS ?=

.PHONY: deps configure build run editor test test-sanitized format-check deb bench clean

deps:
	./tools/install-deps.sh

# A compiler cache, where there is one, makes a second build folder cheap.
configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $$(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache) \
	  $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/Vobrel

editor: build
	$(BUILD)/app/Ortavi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300 $(CTEST_ARGS)

# Leaks are not looked for: Qt's and fontconfig's caches live until exit by design.
test-sanitized:
	ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  $(MAKE) test BUILD=build-sanitized CMAKE_ARGS="$(CMAKE_ARGS) -DVOBREL_SANITIZE=ON"

format-check: deps
	./tools/check-format.sh

# Builds from a clean copy of the sources with dpkg-buildpackage, as Debian would.
deb: deps
	./tools/make-deb.sh $(BUILD) $(JOBS)

# Benchmarks print ratios measured in one run; the flicker one runs without a display and with one.
# A figure over its limit is reported and the others still run.
bench: build
	-QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_game_startup
	-QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_editor_startup
	-QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_packages
	-QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_pair_check
	-QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_pair_make
	-QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_game_flicker 10
	-xvfb-run -a $(BUILD)/bench/bench_game_flicker 10
	bench/cold_start.sh $(BUILD)/app

clean:
	rm -rf $(BUILD)
