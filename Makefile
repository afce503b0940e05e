# Tolvane: `make run` builds and starts the editor, `make test` builds and runs
# every test (also under AddressSanitizer and UBSan). Both install what they
# need from Debian's packages first.

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: deps build run test test-normal test-asan bench data clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/tolvane-cli info $(BUILD)/bin/DEMO/DEMO

test: test-normal test-asan

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON -DTOLVANE_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD)/bin/tolvane-bench

# Makes the template Set, the demo Set and the text files in data/ again.
data: build
	$(BUILD)/bin/tolvane-make-sets data

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
