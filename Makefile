# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench check-clipboard package check-package screenshots \
	clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

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

bench: build
	$(BUILD)/bin/voltaro_bench

# The .deb of the program, its companion tool, desktop files and examples, in $(BUILD).
package: build
	@cmake --build $(BUILD) --target package

# The package taken apart and checked: control fields, contents, validators, lintian.
check-package: package
	scripts/check-package $(BUILD)

# The window's pictures in docs/images/, taken from the real program on a virtual display.
screenshots: build
	scripts/screenshots $(BUILD) docs/images

clean:
	rm -rf $(BUILD)
