# The README's commands. Every target installs what is missing first.
RELEASE := build/release
TESTBUILD := build/test
CMAKE_GEN := -G Ninja

.PHONY: deps build run test bench data clean

deps:
	@tools/install-deps

build: deps
	cmake -S . -B $(RELEASE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DHALVANE_TESTS=OFF -DHALVANE_BENCH=ON
	cmake --build $(RELEASE) -j2 --target halvane $(if $(wildcard src/positions/main.cpp),halvane-positions)

run: build
	cd $(RELEASE) && ./halvane

test: deps
	cmake -S . -B $(TESTBUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DHALVANE_SANITIZE=ON -DHALVANE_TESTS=ON
	cmake --build $(TESTBUILD) -j2
	cd $(TESTBUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j2

bench: build
	cmake --build $(RELEASE) -j2 --target halvane_bench
	cd $(RELEASE) && QT_QPA_PLATFORM=offscreen ./halvane_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

data:
	tools/make-data

clean:
	rm -rf build
