# Tolvane: `make run` builds and starts the editor, `make test` builds and runs
# every test (also under AddressSanitizer and UBSan). Both install what they
# need from Debian's packages first.

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: deps build run test test-normal test-asan bench fuzz fuzz-coverage mutate lint screenshots data package package-check clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)

# The editor shows its open dialog at start; the demo Set is in bin/DEMO.
run: build
	cd $(BUILD)/bin && ./tolvane

test: test-normal test-asan

test-normal: build
	cd $(BUILD) && ctest --output-on-failure --timeout 300 -j$(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON -DTOLVANE_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure --timeout 300 -j$(JOBS)

# Runs every reader's libFuzzer target for FUZZ_SECONDS each (clang), then
# keeps the minimised corpus and any crasher in tests/fuzz_corpus, which every
# test run replays. Outside CI: `make fuzz FUZZ_SECONDS=600`.
FUZZ_READERS ?= arrangement style program backing_sequence song preset_names istyle image_listing
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
fuzz:
	@./scripts/install-deps.sh fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_FUZZ=ON -DTOLVANE_SANITIZE=ON -DTOLVANE_APP=OFF -DTOLVANE_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz-seeds $(addprefix fuzz_,$(FUZZ_READERS))
	./scripts/run-fuzzers.sh $(FUZZ_BUILD)/bin $(FUZZ_SECONDS) $(FUZZ_READERS)

# The share of each reader's lines that the kept corpus reaches (llvm-cov).
COVERAGE_BUILD ?= build-coverage
fuzz-coverage:
	@./scripts/install-deps.sh fuzz
	CXX=clang++ cmake -S . -B $(COVERAGE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_COVERAGE=ON -DTOLVANE_APP=OFF -DTOLVANE_BENCH=OFF
	cmake --build $(COVERAGE_BUILD) -j$(JOBS) --target $(addprefix fuzz_,$(FUZZ_READERS))
	./scripts/fuzz-coverage.sh $(COVERAGE_BUILD)/bin

# The share of small faults in the core (one changed comparison, boolean
# operator, return value or constant) that the core tests catch. Outside CI;
# about 15 s a site: `make mutate MUTATION_SITES=200`.
MUTATION_SITES ?= 200
MUTATION_SEED ?= 1
mutate: deps
	@./scripts/install-deps.sh mutate
	python3 tools/mutate.py --sites $(MUTATION_SITES) --seed $(MUTATION_SEED)

# Both benchmark programs, then the machine and the table of figures for
# BENCHMARKS.md (also left in $(BUILD)/benchmarks/figures.md).
# Builds only the two benchmark programs (and what they link).
bench: deps
	@./scripts/install-deps.sh bench
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS) --target tolvane-bench tolvane-app-bench
	./scripts/run-benchmarks.sh $(BUILD)

# clang-tidy and cppcheck over src/ (.clang-tidy, scripts/cppcheck-suppressions.txt);
# fails while a warning is left. Not part of CI.
LINT_BUILD ?= build-lint
lint:
	@./scripts/install-deps.sh lint
	JOBS=$(JOBS) ./scripts/static-checks.sh $(LINT_BUILD)

# Pictures of the editor's windows and dialogs, for docs/screenshots.
screenshots: build
	$(BUILD)/bin/tolvane-app-screenshots docs/screenshots

# Makes the template Set, the demo Set and the text files in data/ again.
data: build
	$(BUILD)/bin/tolvane-make-sets data

# The Debian package, built for the prefix /usr in a folder of its own:
# $(PACKAGE_BUILD)/tolvane_*.deb.
PACKAGE_BUILD ?= build-package
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DTOLVANE_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j$(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

# The package installed with apt on a fresh Debian 12 (debootstrap, as root):
# its report of the demo Set and a start of the editor. Outside CI.
package-check: package
	./scripts/package-check.sh $(PACKAGE_BUILD)/tolvane_$(shell sed -n 's/^project(Tolvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)_amd64.deb $(PACKAGE_BUILD)/bookworm

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(COVERAGE_BUILD) build-mutate $(PACKAGE_BUILD) $(LINT_BUILD)
