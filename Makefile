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

clean:
	rm -rf build build-release build-asan
