# Entry points. `make test` installs what is missing, builds both trees and
# runs every test: native ones under the sanitizers, Windows ones under Wine.

NATIVE  := build/native
WINDOWS := build/windows
JOBS    ?= 2

LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: test deps build native windows fuzz bench size demo clean

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

windows: deps native
	cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake $(LAUNCHER) \
		-DPLATFORM_SERVER=$(CURDIR)/$(NATIVE)/tools/platform_server
	cmake --build $(WINDOWS) -j$(JOBS)

# The main job: a whole installation under Wine (see README).
demo: build
	scripts/demo.sh

# The release size and what weighs most in it.
size: windows
	scripts/size.sh

# Download throughput and memory under Wine (not part of `make test`).
bench: build
	scripts/bench.sh

# Fuzzes the JSON document for FUZZ_SECONDS (not part of `make test`).
FUZZ_SECONDS ?= 600
fuzz: deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINSTALLER_FUZZ=ON \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $(LAUNCHER)
	cmake --build build/fuzz -j$(JOBS) --target json_document_fuzzer
	mkdir -p build/fuzz/corpus
	build/fuzz/json_document_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
		build/fuzz/corpus tests/json/fuzz_corpus

clean:
	-tests/wine/wine-session stop $(WINDOWS)/wine >/dev/null 2>&1
	rm -rf build out
