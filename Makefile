# Set-up and everyday commands. Every target bootstraps first, so a fresh
# Debian 12 machine needs nothing but these.
BUILD ?= build
JOBS ?= 2
FUZZ_SECONDS ?= 120

.PHONY: all bootstrap configure build test test-sanitize package windows test-windows bench fuzz run \
  screenshots translations clean

all: build

bootstrap:
	@bash scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite built with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, in a build folder of its own.
test-sanitize: bootstrap
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROWSMITH_SANITIZE=ON \
	  -DROWSMITH_BENCH=OFF >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)

# The Debian package dist/rowsmith_VERSION_ARCH.deb of the programs built here.
# Debian updates through its package manager, so the build sets no update server.
package: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROWSMITH_UPDATE_HTTP_HOST= \
	  -DROWSMITH_UPDATE_FTP_HOST= -DROWSMITH_UPDATE_PUBLIC_KEY= >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@cmake --build $(BUILD) --target deb

# The Windows program folder and installer (dist/Rowsmith-VERSION-win64.zip and
# -setup.exe), cross-built with MinGW-w64 into build-windows/ against Qt and
# libsodium that scripts/bootstrap-windows builds once from Debian's sources.
windows: bootstrap
	@bash scripts/windows

# The Windows build's test suite under Wine, then the installer and the demo
# end to end on a Japanese Wine, beside the Linux build's output.
test-windows: build
	@bash scripts/test-windows $(BUILD)

# The peers that bench/peers.sh compares with are installed for the benchmarks
# only: the build and the tests never need them.
bench: build
	@bash scripts/bootstrap-bench >/dev/null
	@bash bench/run $(BUILD)

run: build
	@bash scripts/run-demo $(BUILD)

screenshots: build
	@bash scripts/screenshots $(BUILD)

# Refreshes resources/*.ts from the code: new texts come in unfinished, texts
# gone from the code go out. Translate the new ones, then make test.
translations: configure
	@cmake --build $(BUILD) --target translations

fuzz: bootstrap
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DROWSMITH_FUZZ=ON -DROWSMITH_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	@bash fuzz/run build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-fuzz build-sanitize build-windows
