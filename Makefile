# Two commands: `make run` and `make test`. Both install what is missing first.
# `make package` builds the Debian package build/tokivane_VERSION_ARCH.deb.
BUILD ?= build
SANITIZE_BUILD ?= build-asan
ifdef CI
WERROR := -DTOKIVANE_WERROR=ON
else
WERROR := -DTOKIVANE_WERROR=OFF
endif
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR)
# Debug keeps the sanitizer build quick to compile and its reports exact.
SANITIZE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTOKIVANE_SANITIZE=ON \
  -DTOKIVANE_BUILD_BENCH=OFF $(WERROR)

.PHONY: all deps build run test test-sanitize bench package tidy format format-check clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	  echo "No display: start a desktop session, or run under xvfb-run, or set QT_QPA_PLATFORM=offscreen."; exit 1; fi
	$(BUILD)/bin/tokivane

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

package: build
	@cmake --build $(BUILD) --target package

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) $(SANITIZE_FLAGS) >/dev/null
	@cmake --build $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j2

bench: build
	@for b in $(BUILD)/bin/*_bench; do [ -x "$$b" ] && "$$b"; done; true

# clang-tidy with .clang-tidy over the compilation database of the normal
# build, our own sources only (generated files are skipped).
tidy: build
	@scripts/install-deps clang-tidy
	run-clang-tidy -p $(BUILD) -quiet -j2 '^$(CURDIR)/(src|tests|bench)/.*\.cpp$$'

# clang-format is the formatting authority; CI fails on unformatted code.
FORMAT_FILES = $(shell git ls-files '*.h' '*.cpp')
format:
	@clang-format -i $(FORMAT_FILES)

format-check: deps
	@clang-format --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
