# Thin wrapper: the real work is in scripts/install-deps and the CMake presets.
.PHONY: run test install deps build-release build-debug bench fuzz clean

PREFIX ?= /usr/local
# Seconds each fuzz target runs for.
FUZZ_SECONDS ?= 60
# A seed for repeatable fuzzing; empty explores afresh each run.
FUZZ_SEED ?=

run: deps build-release
	./build/release/out/kestrova

test: deps build-debug
	ctest --preset debug

# Installs the release build under PREFIX (DESTDIR=... stages it elsewhere).
install: deps build-release
	cmake --install build/release --prefix $(PREFIX)

bench: deps build-release
	./scripts/run-benchmarks build/release

# Every fuzz target in turn (clang, build/fuzz); inputs that fail are kept
# in tests/fuzz/regressions/ and replayed by `make test`.
fuzz: deps
	FUZZ_SEED=$(FUZZ_SEED) ./scripts/run-fuzz $(FUZZ_SECONDS)

deps:
	./scripts/install-deps

build-release:
	cmake --preset release
	cmake --build --preset release

build-debug:
	cmake --preset debug
	cmake --build --preset debug

clean:
	rm -rf build
