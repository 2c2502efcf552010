# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
FUZZ_BUILD ?= build-fuzz
SANITIZE_BUILD ?= build-sanitize
FUZZ_RUNS ?= 1000000
FUZZ_SMOKE_RUNS ?= 20000

# The groups of scripts/install-deps that a target installs besides `run`, the build's own
# packages: `make run` installs only those, the heavy tools come with the targets that use them.
test_deps = test
bench_deps = bench
check-clipboard_deps = clipboard
check-accessibility_deps = test
translations_deps = translations
package_deps = package
check-package_deps = package
screenshots_deps = screenshots
fuzz-build_deps = clang
fuzz_deps = clang
fuzz-smoke_deps = clang
test-sanitize_deps = clang test
deps_groups = $(sort $(foreach goal,$(MAKECMDGOALS),$($(goal)_deps)))

# -Werror is for the suite and CI: these goals configure with VOLTARO_WERROR=ON. The others
# pass nothing, so a fresh build folder builds without it and a folder the tests built keeps it
# (nothing is rebuilt); WERROR=OFF on the command line turns it off again.
werror_goals = test test-sanitize fuzz-smoke
WERROR ?= $(if $(filter $(werror_goals),$(MAKECMDGOALS)),ON)
werror_flag = $(if $(WERROR),-DVOLTARO_WERROR=$(WERROR))

.PHONY: all deps configure build run test bench check-clipboard check-accessibility translations \
	package check-package \
	screenshots \
	fuzz-build fuzz fuzz-smoke test-sanitize clean

all: build

deps:
	@scripts/install-deps $(deps_groups)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(werror_flag) $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/voltaro

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Ctrl+C in the running program on a virtual display, the clipboard read back and compared
# with the board pixel for pixel; also part of `make test` where its tools are installed.
check-clipboard: build
	scripts/check-clipboard $(BUILD)

# The board read over AT-SPI as a screen reader reads it, on a virtual display under a D-Bus
# session; also part of `make test` where its tools are installed.
check-accessibility: build
	scripts/check-accessibility $(BUILD)

bench: build
	$(BUILD)/bin/voltaro_bench

# The translation template build/translations/voltaro.ts: every text the user sees, by context.
translations: build
	@cmake --build $(BUILD) --target translations

# The .deb of the program, its companion tool, desktop files and examples, in $(BUILD).
package: build
	@cmake --build $(BUILD) --target package

# The package taken apart and checked: control fields, contents, validators, lintian.
check-package: package
	scripts/check-package $(BUILD)

# The window's pictures in docs/images/, taken from the real program on a virtual display.
screenshots: build
	scripts/screenshots $(BUILD) docs/images

# The libFuzzer targets of fuzz/, built with clang, coverage, ASan and UBSan in their own folder.
fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVOLTARO_FUZZ=ON -DVOLTARO_BUILD_TESTS=OFF -DVOLTARO_BUILD_BENCH=OFF $(werror_flag)
	@cmake --build $(FUZZ_BUILD) --target voltaro_fuzz -j$(JOBS)

# Each target for FUZZ_RUNS runs on a corpus kept in the build folder, with the figures.
fuzz: fuzz-build
	fuzz/run-targets $(FUZZ_BUILD) $(FUZZ_RUNS)

# What CI runs: each target for FUZZ_SMOKE_RUNS runs from the seeds alone, with seed 1.
fuzz-smoke: fuzz-build
	fuzz/run-targets $(FUZZ_BUILD) $(FUZZ_SMOKE_RUNS) 1

# The whole test suite built with ASan and UBSan; any finding fails its test.
test-sanitize: deps
	@CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVOLTARO_SANITIZE=ON -DVOLTARO_BUILD_BENCH=OFF $(werror_flag)
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)
