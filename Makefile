# Thin wrapper over CMake: `make run` starts the game, `make test` runs every test.
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
JOBS      ?= 2

.PHONY: all deps build run test test-asan bench clean

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/src/ui/qt/dedivud

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DDEDIVUD_SANITIZE=ON -DDEDIVUD_BENCH=OFF
	cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && ctest --output-on-failure -j$(JOBS)

bench: build
	./$(BUILD_DIR)/bench/dedivud_bench

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
