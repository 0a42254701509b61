# The two commands a developer needs: `make run` and `make test`. Both set up a Debian 12
# machine first (missing packages, CMake configure, build); ./make.sh does the same on a
# machine that does not have make yet.

BUILD_DIR      ?= build
SANITIZE_DIR   ?= build-sanitize
FUZZ_DIR       ?= build-fuzz
FUZZ_SECONDS   ?= 60
CMAKE_FLAGS    ?=
CTEST_FLAGS    ?= --output-on-failure
SUPPRESSIONS   := $(CURDIR)/tools/lsan-suppressions.txt
FUZZERS        := $(basename $(notdir $(wildcard fuzz/fuzz_*.cpp)))

.PHONY: all deps build test run package sanitize fuzz bench format clean ci-time mutate

all: build

deps:
	@tools/ensure-packages.sh tools/debian-packages.txt

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) $(CTEST_FLAGS)

run: build
	$(BUILD_DIR)/src/game/pondaro

# The Debian package of the installed game, in $(BUILD_DIR).
package: build
	cmake --build $(BUILD_DIR) --target package

sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPONDARO_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_DIR)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	LSAN_OPTIONS=suppressions=$(SUPPRESSIONS):print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	ctest --test-dir $(SANITIZE_DIR) $(CTEST_FLAGS)

# The libFuzzer programs, built with clang in their own directory, each run for a bounded time.
# Each starts from its seed files in fuzz/corpus/<program>, when there are any, and keeps what
# it finds in its own corpus in the build directory (the first folder named is the one written).
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DPONDARO_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_DIR) --target $(FUZZERS)
	@for f in $(FUZZERS); do \
		echo "$$f"; \
		mkdir -p $(FUZZ_DIR)/corpus-$$f; \
		$(FUZZ_DIR)/fuzz/$$f $(FUZZ_DIR)/corpus-$$f $$(ls -d fuzz/corpus/$$f 2>/dev/null) \
			-max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
			-artifact_prefix=$(FUZZ_DIR)/$$f- -print_final_stats=1 || exit 1; \
	done

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# The mutation runner on its fixed, seeded sample of src/, stopped after MUTATE_MINUTES, or on
# every mutant of the files or folders given: make mutate FILES="src/runtime/core".
MUTATE_MINUTES ?= 30
mutate: deps
	tools/mutate --minutes $(MUTATE_MINUTES) $(FILES)

# The wall time of CI on a fresh clone of HEAD, first with an empty compiler cache, then warm.
ci-time:
	tools/ci-time cold
	tools/ci-time warm

format:
	find src tests bench fuzz -name '*.h' -o -name '*.cpp' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) build-mutate
