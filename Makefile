# The two set-up commands of the README are `make run` and `make test`; both go through
# `make build`. Executables land in build/bin/.
BUILD_DIR ?= build
SAN_DIR ?= build-san
FUZZ_DIR ?= build-fuzz
JOBS ?= $(shell nproc)
RUN_DIR ?= run
SECONDS ?= 60
RUNS ?= -1
FUZZ_TARGETS = field_reader log_readers archive_name referral settings bid_rules bid_base play_rules
# A sanitizer report ends the test that made it with a failure.
SAN_ENV = ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: deps configure build run test test-sanitizers fuzz mutants clean

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR_FLAG) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The game reads its data files from, and writes its log to, the folder it starts in.
run: build
	@mkdir -p $(RUN_DIR)
	@cp -u data/* $(RUN_DIR)/ 2>/dev/null || true
	@cd $(RUN_DIR) && ../$(BUILD_DIR)/bin/fivrastar

# Every test, then every test again under the sanitizers where the compiler has them. The
# test path builds with warnings as errors.
test: WERROR_FLAG = -DFIVRA_WERROR=ON
test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ctest --output-on-failure -j $(JOBS)
	@if ./scripts/has-sanitizers.sh; then $(MAKE) --no-print-directory test-sanitizers; \
	else echo "The compiler has no address and undefined-behaviour sanitizers: that run is left out."; fi

# Every test again, built with AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer
# in a folder of their own, at -O1 with the standard library's checks on. A report fails the
# test that made it.
test-sanitizers: deps
	@cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g1" \
		-DFIVRA_SANITIZE=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
		>/dev/null
	@cmake --build $(SAN_DIR) -j $(JOBS)
	@cd $(SAN_DIR) && $(SAN_ENV) QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} \
		ctest --output-on-failure -j $(JOBS)

# Runs each fuzz target for SECONDS seconds, or RUNS executions when that comes first, on a
# working copy of its corpus (tests/corpus holds the seeds); an input that finds a fault is
# left in $(FUZZ_DIR)/crashes.
fuzz: deps
	@command -v clang++-14 >/dev/null || { echo "make fuzz needs clang++-14"; exit 1; }
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g1" \
		-DCMAKE_CXX_COMPILER=clang++-14 -DFIVRA_FUZZ=ON -DFIVRA_BUILD_TESTS=OFF \
		-DFIVRA_BUILD_GUI=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@mkdir -p $(FUZZ_DIR)/crashes
	@for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_DIR)/corpus/$$t && cp -n tests/corpus/$$t/* $(FUZZ_DIR)/corpus/$$t/; \
		echo "== $$t"; \
		FIVRA_DATA_DIR=data QT_QPA_PLATFORM=offscreen $(FUZZ_DIR)/bin/fuzz_$$t \
			-max_total_time=$(SECONDS) -runs=$(RUNS) -timeout=10 -dict=fuzz/fivra.dict -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_DIR)/crashes/$$t- $(FUZZ_DIR)/corpus/$$t \
			>$(FUZZ_DIR)/$$t.log 2>&1; rc=$$?; \
		grep -E "^(Done|==[0-9]+==ERROR|SUMMARY)" $(FUZZ_DIR)/$$t.log; \
		[ $$rc -eq 0 ] || { echo "fuzz_$$t found a fault: $(FUZZ_DIR)/$$t.log"; exit 1; }; \
	done

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(FUZZ_DIR)

# A mutation run over the core (see scripts/mutants.py): a fixed sample of small faults put
# into src/table, src/bidai, src/playai, src/gamelog and src/cards, each built in build-mutants/
# and run against the non-GUI tests. Slow: not part of `make test`. MUTANTS_ARGS passes options,
# for example MUTANTS_ARGS="--label after --count 200".
MUTANTS_ARGS ?=
mutants:
	@nice -n 15 python3 scripts/mutants.py $(MUTANTS_ARGS)
