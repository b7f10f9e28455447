# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# Two commands matter: `make run` builds and starts Marlune, `make test` builds and
# runs every test. Both install missing Debian packages first (scripts/install-deps:
# `run` what building and running need, `test` also what tests and benchmarks need).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
# install, uninstall and deb use a tree of their own, without tests or benchmarks.
RELEASE_DIR ?= $(BUILD_DIR)-release
# The prefix is compiled in (the plug-in folder), so it is set when configuring.
INSTALL_PREFIX = $(PREFIX)
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)

# The development tree holds tests and benchmarks unless only running is asked for.
TESTS ?= ON
run: TESTS = OFF
DEPS_FLAGS = $(if $(filter ON,$(TESTS)),--test,)
# CI builds with warnings as errors, and fails when a suite skips (scripts/run-tests).
WERROR ?= $(if $(filter true,$(CI)),ON,OFF)
# CI then runs the suites once more in a clang build under ASan and UBSan and fuzzes
# each parser for a short while (scripts/run-checks); CHECKS=ON asks for it anywhere.
# `make fuzz` runs every fuzz harness for FUZZ_SECONDS in that same build.
CHECKS ?= $(if $(filter true,$(CI)),ON,OFF)
CHECK_DIR ?= $(BUILD_DIR)-check
FUZZ_SECONDS ?= 300

.PHONY: all deps configure build run test fuzz bench install uninstall deb release clean

all: build

deps:
	scripts/install-deps $(DEPS_FLAGS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) \
	  -DMARLUNE_BUILD_TESTS=$(TESTS) -DMARLUNE_BUILD_BENCH=$(TESTS) -DMARLUNE_WERROR=$(WERROR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/mainwindow/marlune

test: build
	scripts/run-tests $(BUILD_DIR) $(JOBS)
	@if [ "$(CHECKS)" = ON ]; then scripts/run-checks $(CHECK_DIR) $(JOBS); fi

fuzz: TESTS = ON
fuzz: deps
	scripts/run-checks --fuzz $(CHECK_DIR) $(JOBS) $(FUZZ_SECONDS)

bench: build
	bench/run $(BUILD_DIR)

release:
	scripts/install-deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) \
	  -DMARLUNE_BUILD_TESTS=OFF -DMARLUNE_BUILD_BENCH=OFF \
	  -DCMAKE_INSTALL_PREFIX=$(INSTALL_PREFIX) $(CMAKE_FLAGS)
	cmake --build $(RELEASE_DIR) -j $(JOBS)

install: release
	cmake --install $(RELEASE_DIR) --strip

# Removes exactly what the last `make install` from $(RELEASE_DIR) put in place.
uninstall:
	scripts/uninstall $(RELEASE_DIR)/install_manifest.txt

# The package installs under /usr, whatever PREFIX says.
deb: INSTALL_PREFIX = /usr
deb: release
	cd $(RELEASE_DIR) && cpack
	@for deb in $(RELEASE_DIR)/marlune_*.deb; do echo "$$deb"; dpkg-deb -f "$$deb" Installed-Size Depends; done

clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR) $(CHECK_DIR)
