# The README's commands. Each installs what is missing from Debian's packages,
# configures with CMake and builds; the build folders are build/ (program and
# tests), build-sanitize/, build-bench/, build-fuzz/, build-lint/ and
# build-lint-clang/.
JOBS ?= $(shell nproc)
CMAKE ?= cmake
CTEST ?= ctest
FUZZ_SECONDS ?= 60

.PHONY: all deps build test test-sanitize run bench fuzz lint clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	$(CMAKE) -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	$(CMAKE) --build build -j $(JOBS)

test: build
	$(CTEST) --test-dir build --output-on-failure -j $(JOBS)

# LeakSanitizer checks every test program at exit with no suppressions: the
# tests leave nothing behind on Debian 12, and a suppression that matched Qt's
# libraries would also hide a leak in any of the program's event handlers.
test-sanitize: deps
	$(CMAKE) -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVORLIX_SANITIZE=ON
	$(CMAKE) --build build-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  $(CTEST) --test-dir build-sanitize --output-on-failure -j $(JOBS)

run: build
	./build/vorlix

bench: deps
	$(CMAKE) -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVORLIX_BUILD_TESTS=OFF -DVORLIX_BUILD_BENCH=ON
	$(CMAKE) --build build-bench -j $(JOBS)
	bash bench/run.sh build-bench

fuzz: deps
	$(CMAKE) -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVORLIX_BUILD_TESTS=OFF -DVORLIX_BUILD_FUZZ=ON
	$(CMAKE) --build build-fuzz -j $(JOBS) --target fuzz_paste_matrix fuzz_number_conversions
	bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

# CI's gate, kept out of the commands above so that a newer compiler's new
# warning never stops a user's build: the formatting, then the program, tests
# and benchmarks with warnings as errors, and the program and fuzz targets
# likewise with clang.
lint: deps
	bash scripts/check-format.sh
	$(CMAKE) -S . -B build-lint -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
	  -DVORLIX_BUILD_TESTS=ON -DVORLIX_BUILD_BENCH=ON
	$(CMAKE) --build build-lint -j $(JOBS)
	$(CMAKE) -S . -B build-lint-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DVORLIX_BUILD_TESTS=OFF -DVORLIX_BUILD_FUZZ=ON
	$(CMAKE) --build build-lint-clang -j $(JOBS)

clean:
	rm -rf build build-sanitize build-bench build-fuzz build-lint build-lint-clang
