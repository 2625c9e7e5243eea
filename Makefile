# Thin wrapper: the real work is in scripts/install-deps and the CMake presets.
.PHONY: run test deps build-release build-debug bench clean

run: deps build-release
	./build/release/out/kestrova

test: deps build-debug
	ctest --preset debug

bench: deps build-release
	./scripts/run-benchmarks build/release

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
