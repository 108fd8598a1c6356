# The README's commands. Every target installs what is missing first.
RELEASE := build/release
TESTBUILD := build/test
CMAKE_GEN := -G Ninja

.PHONY: deps build run test bench lint format data gallery clean

deps:
	@tools/install-deps

build: deps
	cmake -S . -B $(RELEASE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DHALVANE_TESTS=OFF -DHALVANE_BENCH=ON
	cmake --build $(RELEASE) -j2 --target halvane halvane-chart halvane-positions

run: build
	cd $(RELEASE) && ./halvane

test: deps
	cmake -S . -B $(TESTBUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DHALVANE_SANITIZE=ON -DHALVANE_TESTS=ON -DHALVANE_WERROR=ON
	cmake --build $(TESTBUILD) -j2
	cd $(TESTBUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j2

bench: build
	cmake --build $(RELEASE) -j2 --target halvane_bench
	cd $(RELEASE) && QT_QPA_PLATFORM=offscreen ./halvane_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The README's pictures, each drawn by halvane-chart at a fixed moment, and
# one film of the same code as an animated picture.
CHART := $(RELEASE)/halvane-chart --size 1280x720
GALLERY := docs/gallery
gallery: build
	mkdir -p $(GALLERY)
	$(CHART) --date 2026-01-15 --time 21:00 --view 3 --aim 83.8,0 --magnification 60 --lines bright --names with --out $(GALLERY)/orion.png
	$(CHART) --date 2026-01-15 --time 21:00 --scene 41 --out $(GALLERY)/saturn-scene.png
	$(CHART) --date 2026-01-15 --time 21:00 --display zodiac --lang ja --out $(GALLERY)/zodiac-ja.png
	$(CHART) --date 2026-01-15 --time 21:00 --display orbit-2 --aim 0,70 --names with --out $(GALLERY)/orbit-2.png
	$(CHART) --date 2026-01-15 --time 21:00 --display orbit-3d --aim 0,70 --out $(GALLERY)/orbit-3d.png
	$(CHART) --date 2020-06-01 --time 21:00 --view 3 --aim 17,5 --magnification 150 --bodies planets \
	  --repeat overlay --times 30 --interval 10 --out $(GALLERY)/mars-2020-loop.png
	$(CHART) --date 2026-01-15 --time 21:00 --lag 9:00 --display horizon --place tokyo \
	  --out $(GALLERY)/horizon-tokyo.png
	$(RELEASE)/halvane-chart --size 960x540 --dpi 48 --date 2020-06-01 --time 21:00 --view 3 --aim 17,5 \
	  --magnification 150 --bodies planets --repeat overlay --times 30 --interval 10 --pass-seconds 0.15 \
	  --out $(GALLERY)/mars-2020-loop.webp

# clang-tidy on the C++ files changed since LINT_BASE (default: the uncommitted
# ones), with the test build's compile commands; `make lint LINT_BASE=main`
# checks a whole branch. `make format` formats the same files.
LINT_BASE ?= HEAD
CHANGED := $(sort $(filter %.cpp %.h,$(shell git diff --name-only --diff-filter=d $(LINT_BASE) -- src tests bench) \
             $(shell git ls-files --others --exclude-standard -- src tests bench)))
lint: deps
	cmake -S . -B $(TESTBUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DHALVANE_SANITIZE=ON -DHALVANE_TESTS=ON -DHALVANE_WERROR=ON
	$(if $(filter %.cpp,$(CHANGED)),clang-tidy -p $(TESTBUILD) --quiet $(filter %.cpp,$(CHANGED)),@echo "lint: no changed C++ files")

format:
	$(if $(CHANGED),clang-format -i $(CHANGED),@echo "format: no changed C++ files")

data:
	tools/make-data

clean:
	rm -rf build
