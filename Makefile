# Thin wrapper over CMake: `make run` starts the game, `make test` runs every test.
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
TSAN_DIR  ?= build-tsan
JOBS      ?= 2

.PHONY: all deps build run test test-asan test-tsan bench package clean

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/src/ui/qt/dedivud

# Every test twice: in the Release build, then under AddressSanitizer and
# UndefinedBehaviorSanitizer; the tests that start threads a third time under
# ThreadSanitizer.
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory test-tsan

SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/xvfb/lsan.supp

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEDIVUD_SANITIZE=ON -DDEDIVUD_BENCH=OFF
	cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j$(JOBS) -LE format

bench: build
	./$(BUILD_DIR)/bench/dedivud_bench

# The Debian package (build/dedivud_<version>_amd64.deb), checked by lintian:
# any error or warning fails.
package: build
	@./scripts/install-deps.sh lintian
	cd $(BUILD_DIR) && rm -f dedivud_*.deb && cpack
	lintian --fail-on error,warning $(BUILD_DIR)/dedivud_*.deb

# Only the threaded tests: Qt's libraries are not built for ThreadSanitizer.
test-tsan: deps
	cmake -S . -B $(TSAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEDIVUD_TSAN=ON -DDEDIVUD_GUI=OFF -DDEDIVUD_BENCH=OFF
	cmake --build $(TSAN_DIR) -j$(JOBS) --target thread_tests
	cd $(TSAN_DIR) && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -L threads

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(TSAN_DIR)

# libFuzzer run of the saved-game reader and replay (clang and
# libclang-rt-14-dev); new inputs go to $(FUZZ_DIR)/corpus, crashes to $(FUZZ_DIR).
FUZZ_DIR  ?= build-fuzz
FUZZ_RUNS ?= 1000000

.PHONY: fuzz soak
fuzz:
	@./scripts/install-deps.sh clang libclang-rt-14-dev
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DDEDIVUD_FUZZ=ON -DDEDIVUD_GUI=OFF -DDEDIVUD_BENCH=OFF -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target saved_game_fuzz
	mkdir -p $(FUZZ_DIR)/corpus
	./$(FUZZ_DIR)/fuzz/saved_game_fuzz $(FUZZ_DIR)/corpus fuzz/corpus -runs=$(FUZZ_RUNS) \
	  -artifact_prefix=$(FUZZ_DIR)/ -print_final_stats=1

# The long soak: SOAK_GAMES random games from SEED (make soak SEED=42).
SOAK_GAMES ?= 10000
SEED ?= 1
soak: build
	./$(BUILD_DIR)/tests/soak $(SOAK_GAMES) $(SEED)
