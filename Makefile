# The two commands of the README: `make run` and `make test`.
# Both install what is missing (Debian/Ubuntu packages listed in packaging/debian-packages.txt),
# configure, build, and then run the program or its tests.

SHELL := /bin/bash
PACKAGES := $(shell grep -v '^\s*\#' packaging/debian-packages.txt | grep -v '^\s*$$')
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build run test test-asan crashtest fuzz bench package test-package screenshots format clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

# `make run` builds the program alone in build-run/ (the `run` preset: no tests, and a compiler
# warning is no error), so a user's newer Qt cannot stop it. Where the developers' tree has
# built the program already (build/velmarok, after `make test`), it brings that program up to
# date and starts it instead, so a developer does not build everything twice.
run: deps
	@if [ -x build/velmarok ]; then \
	  cmake --build --preset default --target velmarok -j $(JOBS) && ./build/velmarok $(ARGS); \
	else \
	  cmake --preset run && cmake --build --preset run -j $(JOBS) && ./build-run/velmarok $(ARGS); \
	fi

test: build
	ctest --preset default -j $(JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Every operation ended at each of its file-system calls, the recovery ended at each of its
# own after every one, on a year of CRASH_LETTERS letters.
CRASH_LETTERS ?= 2000
crashtest: build
	VELMAROK_CRASH_FULL=1 VELMAROK_CRASH_LETTERS=$(CRASH_LETTERS) QT_QPA_PLATFORM=offscreen \
	  ./build/tests/tst_crash

# The fuzz targets under the address and undefined-behaviour sanitizers (libFuzzer, clang),
# each from its seeds and the corpus it keeps in build-fuzz/corpus: the record readers and the
# journal for FUZZ_RUNS inputs each, start-up, which lays down a whole register on the disk
# for every input, for FUZZ_STARTUP_RUNS.
FUZZ_RUNS ?= 1000000
FUZZ_STARTUP_RUNS ?= 200000
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target fuzz_records fuzz_journal fuzz_startup
	@for run in records:$(FUZZ_RUNS) journal:$(FUZZ_RUNS) startup:$(FUZZ_STARTUP_RUNS); do \
	  t=$${run%%:*}; log=build-fuzz/fuzz_$$t.log; \
	  VELMAROK_FUZZ_CORPUS=build-fuzz/corpus/$$t build-fuzz/fuzz/fuzz_$$t -runs=$${run#*:} \
	    -max_len=4096 build-fuzz/corpus/$$t > $$log 2>&1 || { tail -40 $$log; exit 1; }; \
	  echo "fuzz_$$t: $$(grep '^Done' $$log)"; \
	done

bench: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

screenshots: build
	QT_QPA_PLATFORM=offscreen ./build/velmarok_screenshots docs
	tools/print_sample.sh

package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	cd build-package && cpack

# Installs the built package on this machine, starts it, and removes it again.
test-package: package
	packaging/test-install.sh build-package

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-bench build-package build-run build-fuzz
