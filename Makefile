# Lumetra's commands. `make test` and `make run` install what a fresh Debian
# machine is missing, build both trees and prepare the Wine prefix first.
SHELL := /bin/bash
# A pipeline fails when any part of it fails: a test or benchmark piped
# through the X-chatter filter keeps its own exit status.
.SHELLFLAGS := -o pipefail -c
# Drops Xvfb's connection chatter; never fails on its own (grep exits 1 when
# it passes no line).
XFILTER := { grep -v '^X connection' || true; }
BUILD := build
HOST := $(BUILD)/host
WIN := $(BUILD)/win64
FUZZ := $(BUILD)/fuzz
JOBS ?= $(shell nproc)
CMAKE_QUIET := > /dev/null

.PHONY: all deps host win64 fuzz-build prefix test run package fuzz bench soak clean

all: host win64

deps:
	@tools/install-deps

# Native build of the portable core with AddressSanitizer and UBSan.
host: deps
	@cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=Debug -DLUMETRA_SANITIZE=ON $(CMAKE_QUIET)
	@cmake --build $(HOST) -j$(JOBS) -- --no-print-directory

# Cross build of everything for 64-bit Windows; host tools generate resources.
win64: deps
	@cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release $(CMAKE_QUIET)
	@cmake --build $(WIN) -j$(JOBS) -- --no-print-directory

# libFuzzer targets, built with clang.
fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DLUMETRA_FUZZ=ON $(CMAKE_QUIET)
	@cmake --build $(FUZZ) -j$(JOBS) -- --no-print-directory

prefix: deps
	@tools/wine-prefix

# Every test: host (sanitizers), fuzz smoke runs, win64 under Wine on a
# virtual display. Ends with CTest's summary of each tree.
test: host win64 fuzz-build prefix
	@tools/run-tests $(HOST) $(FUZZ) $(WIN)

# The program with the default simulated monitors, on the user's display
# (or on a virtual one, leaving a screenshot). Its interface is Japanese;
# `make run LANG=en_US.UTF-8` (or LUMETRA_LANG=...) runs it in that display
# language instead, which is English for every language but Japanese. The
# shell's own LANG does not count: only one given on make's command line.
ifeq ($(origin LANG),command line)
LUMETRA_LANG := $(LANG)
endif
run: win64 prefix
	@LUMETRA_LANG=$(LUMETRA_LANG) tools/run-lumetra

# The Windows installer and the portable zip, in build/win64/package/.
package: win64
	@cmake --build $(WIN) --target lumetra_package -- --no-print-directory
	@ls $(WIN)/package/*-setup.exe $(WIN)/package/*-portable.zip

# Long fuzzing runs (FUZZ_RUNS executions per target).
FUZZ_RUNS ?= 10000000
fuzz: fuzz-build
	@tools/run-fuzzers $(FUZZ) $(FUZZ_RUNS)

# The long fault-injection soak under Wine (SOAK_SESSIONS sessions, SOAK_SEED).
SOAK_SESSIONS ?= 2000
SOAK_SEED ?= 1
soak: win64 prefix
	@source tools/wine-env && LUMETRA_SOAK_SESSIONS=$(SOAK_SESSIONS) LUMETRA_SOAK_SEED=$(SOAK_SEED) \
		xvfb-run -a -s "-screen 0 1280x1024x24" "$$WINE" $(WIN)/bin/win_soak_tests.exe \
		2>&1 | $(XFILTER)

# Benchmarks: the portable core natively (Release), the program under Wine,
# its command line end to end.
bench: deps win64 prefix
	@cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release $(CMAKE_QUIET)
	@cmake --build $(BUILD)/bench -j$(JOBS) --target lumetra_benchmarks
	@$(BUILD)/bench/bin/lumetra_benchmarks
	@source tools/wine-env && xvfb-run -a -s "-screen 0 1280x1024x24" \
		"$$WINE" $(WIN)/bin/lumetra_ui_benchmarks.exe 2>&1 | $(XFILTER)
	@source tools/wine-env && xvfb-run -a -s "-screen 0 1280x1024x24" \
		"$$WINE" $(WIN)/bin/lumetra_illustration_benchmarks.exe 2>&1 | $(XFILTER)
	@bench/command_line_bench.sh
	@bench/monitor_api_bench.sh 2>&1 | $(XFILTER)

clean:
	rm -rf $(BUILD)
