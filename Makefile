# Two commands: `make run` and `make test`. Both install what is missing first.
# `make package` builds the Debian package build/tokivane_VERSION_ARCH.deb.
BUILD ?= build
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifdef CI
CMAKE_FLAGS += -DTOKIVANE_WERROR=ON
else
CMAKE_FLAGS += -DTOKIVANE_WERROR=OFF
endif

.PHONY: all deps build run test bench package format format-check clean

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

bench: build
	@for b in $(BUILD)/bin/*_bench; do [ -x "$$b" ] && "$$b"; done; true

# clang-format is the formatting authority; CI fails on unformatted code.
FORMAT_FILES = $(shell git ls-files '*.h' '*.cpp')
format:
	@clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf $(BUILD)
