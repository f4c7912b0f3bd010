# make run    : installs what is missing, builds, starts the game on the sample pairs
# make editor : the same, starting the picture editor
# make test   : installs what is missing, builds, runs every test headless
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: deps configure build run editor test bench clean

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/Vobrel

editor: build
	$(BUILD)/app/Ortavi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

bench: build
	$(BUILD)/bench/bench_game_startup

clean:
	rm -rf $(BUILD)
