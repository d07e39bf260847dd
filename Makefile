# The two set-up commands of the README are `make run` and `make test`; both go through
# `make build`. Executables land in build/bin/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
RUN_DIR ?= run

.PHONY: deps configure build run test clean

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The game reads its data files from, and writes its log to, the folder it starts in.
run: build
	@mkdir -p $(RUN_DIR)
	@cp -u data/* $(RUN_DIR)/ 2>/dev/null || true
	@cd $(RUN_DIR) && ../$(BUILD_DIR)/bin/fivrastar

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
