# Set-up, build, run and test on Debian 12. `make run` and `make test` do everything.
PRESET ?= default
BUILD  := build
RUNDIR := $(BUILD)/run
JOBS   ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps build run test install package clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

# The program opens its files by bare name, so it runs inside a working folder.
run: build
	mkdir -p $(RUNDIR)
	cp -p $(BUILD)/tamlo.pdf $(RUNDIR)/
	cd $(RUNDIR) && ../app/quorvel

test: build
	ctest --preset $(PRESET) -j $(JOBS)

.PHONY: test-asan fuzz soak
FUZZ_SECONDS ?= 60
SOAK_ACTIONS ?= 10000

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer; any report fails.
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS from its seed corpus in fuzz/corpus/ (clang).
fuzz: deps
	@tools/install-deps.sh clang libclang-rt-14-dev
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run.sh

# The long soak of the main window: SOAK_ACTIONS random user actions (make test runs
# a short one).
soak: build
	QUORVEL_SOAK_ACTIONS=$(SOAK_ACTIONS) ctest --preset $(PRESET) -R '^tst_soak$$' --verbose

# Release build, then every benchmark in bench/ and one table of figures against targets.
.PHONY: bench
bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	tools/bench-table --build-dir build-release

# DESTDIR=… stages the files for a package instead.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package lands in $(BUILD)/.
package: build
	cmake --build $(BUILD) --target package

# Windows: Qt for Windows is built once into ~/.cache/quorvel (tools/windows/build-qt.sh),
# then both programs and every test with mingw-w64 into build-windows/bin/, beside the
# DLLs they need.
.PHONY: windows test-windows package-windows
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix xz-utils wine wine64

.PHONY: deps-windows windows-libraries
deps-windows: deps
	@tools/install-deps.sh $(WINDOWS_PACKAGES) zip unzip nsis

# Qt and libical for Windows, each built once into the cache (a no-op after that).
windows-libraries: deps-windows
	@tools/windows/prefix-of build-qt.sh >/dev/null
	@tools/windows/prefix-of build-libical.sh >/dev/null

windows: windows-libraries
	qt=$$(tools/windows/prefix-of build-qt.sh) && libical=$$(tools/windows/prefix-of build-libical.sh) && \
	if [ -d build-windows ] && [ "$$(cat build-windows/.libraries 2>/dev/null)" != "$$qt $$libical" ]; then \
	    echo "Qt or libical for Windows is new: building build-windows anew"; rm -rf build-windows; fi && \
	QUORVEL_WINDOWS_QT=$$qt QUORVEL_WINDOWS_LIBICAL=$$libical cmake --preset windows && \
	echo "$$qt $$libical" >build-windows/.libraries
	cmake --build --preset windows -j $(JOBS)

# Every test under Wine, on a virtual X display.
test-windows: windows
	tools/windows/wine-run --init
	xvfb-run -a -s '-screen 0 1280x1024x24' ctest --preset windows -j $(JOBS)

# Quorvel-VERSION-win64.zip and its NSIS installer in build-windows/package/, with the
# manual built on this host; the zip is then run under Wine from an empty folder, and the
# installer installed, run and uninstalled in a new Wine prefix.
package-windows: windows
	cmake --preset default
	cmake --build --preset default --target quorvel_manual -j $(JOBS)
	tools/windows/package.sh build-windows build/tamlo.pdf
	xvfb-run -a tools/windows/check-installer.sh build-windows

clean:
	rm -rf build build-release build-asan build-fuzz build-windows
