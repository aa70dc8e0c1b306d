# The two commands of the README. Both install what is missing, then build.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS ?= 2
CMAKE_FLAGS ?=
# Seconds each of the four readers' fuzz targets ran within "make test"; the eight targets
# now share those 4 x FUZZ_SECONDS.
FUZZ_SECONDS ?= 20

# The window's tests need a screen: a virtual one, of a fixed size. Without -noreset the
# server resets whenever its last client leaves, and a program that connects just then
# (the next test's) is refused now and then.
XVFB = xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
# Leaks in the system's graphics and font libraries are theirs, not ours (lsan.supp).
SANITIZER_ENV = ASAN_OPTIONS=detect_stack_use_after_return=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1

.PHONY: all deps build run test check-format format test-release test-asan fuzz fuzz-smoke bench \
  package clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@sh scripts/run.sh $(BUILD)/src/zentova

# The formatting first, then every test in the release build, again with AddressSanitizer
# and UndefinedBehaviorSanitizer, then a short run of each fuzz target.
test: check-format test-release test-asan fuzz-smoke

# Every source file as .clang-format says; "make format" rewrites those that are not.
check-format: deps
	@sh scripts/check-format.sh

format: deps
	@git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
	  'fuzz/*.cpp' 'fuzz/*.h' | xargs clang-format -i

test-release: build
	@cd $(BUILD) && $(XVFB) ctest --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZENTOVA_SANITIZE=address,undefined \
	  -DZENTOVA_BENCH=OFF $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) $(XVFB) ctest --output-on-failure -j $(JOBS)

# The readers' libFuzzer targets, built with clang apart from the program (fuzz/).
fuzz: deps
	@cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ \
	  -DZENTOVA_FUZZ_SECONDS=$(FUZZ_SECONDS) > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz-smoke: fuzz
	@cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/integration_bench
	@$(BUILD)/bench/files_bench
	@$(XVFB) $(BUILD)/bench/draw_bench
	@bash bench/displayed_run.sh $(BUILD)
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/readings_bench
	@bash bench/analyse_run.sh $(BUILD)
	@sh bench/lammps_return.sh $(BUILD)

# The Debian package (CPack) in $(BUILD): zentova_VERSION_ARCH.deb.
package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
