# Entry points. `make test` installs what is missing, builds both trees and
# runs every test: native ones under the sanitizers, Windows ones under Wine.

NATIVE  := build/native
WINDOWS := build/windows
JOBS    ?= 2

LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: test deps build native windows clean

test: build
	@status=0; \
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS) || status=1; \
	ctest --test-dir $(WINDOWS) --output-on-failure || status=1; \
	exit $$status

deps:
	@./scripts/install-deps.sh

build: native windows

native: deps
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER)
	cmake --build $(NATIVE) -j$(JOBS)

windows: deps
	cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake $(LAUNCHER)
	cmake --build $(WINDOWS) -j$(JOBS)

clean:
	-tests/wine/wine-session stop $(WINDOWS)/wine >/dev/null 2>&1
	rm -rf build out
