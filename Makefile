# SPDX-License-Identifier: GPL-2.0-or-later
# make run    : installs what is missing, builds, starts the game on the sample pairs
# make editor : the same, starting the picture editor
# make test   : installs what is missing, builds, runs every test headless
# make deb    : builds the Debian package, build/vobrel_<version>_<arch>.deb
BUILD ?= build
JOBS  ?= $(shell nproc)
# Extra cmake options, for example CMAKE_ARGS=-DVOBREL_WERROR=ON (as CI builds).
CMAKE_ARGS ?=

.PHONY: deps configure build run editor test deb bench clean

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/Vobrel

editor: build
	$(BUILD)/app/Ortavi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

deb: build
	cd $(BUILD) && cpack -G DEB

# Benchmarks print ratios measured in one run; the flicker one runs without a display and with one.
bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_game_startup
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_editor_startup
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_packages
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_pair_check
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_pair_make
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_game_flicker 10
	xvfb-run -a $(BUILD)/bench/bench_game_flicker 10
	bench/cold_start.sh $(BUILD)/app

clean:
	rm -rf $(BUILD)
