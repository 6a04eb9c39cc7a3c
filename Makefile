# SPDX-FileCopyrightText: 2026 ratebook developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of a fresh Debian 12 machine: `make run` and `make test`.
# Both install what is missing, configure and build (Release unless BUILD_TYPE says
# otherwise); CI passes WERROR=ON. `make test` runs every test, then the same tests
# under a comma-decimal locale and built with the sanitizers, then fuzzes the parser and the formatter.
BUILD      ?= build
BUILD_TYPE ?= Release
WERROR     ?= OFF
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 20
CTEST      = QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

.PHONY: run test test-tests test-locale test-sanitized test-fuzz fuzz build deps package screenshots

run: build
	@$(BUILD)/ratebook

test: test-tests test-locale test-sanitized test-fuzz

test-tests: build
	cd $(BUILD) && $(CTEST)

test-locale: build
	cd $(BUILD) && LC_ALL=de_DE.UTF-8 $(CTEST)

# Any finding of AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer fails its test.
test-sanitized: deps
	cmake -S . -B $(BUILD)-sanitized -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRATEBOOK_SANITIZE=ON -DRATEBOOK_WERROR=$(WERROR)
	cmake --build $(BUILD)-sanitized -j$(JOBS)
	cd $(BUILD)-sanitized && $(CTEST)

# Replays the seed corpus, then fuzzes each target for FUZZ_SECONDS; `make fuzz` goes longer.
test-fuzz: deps
	cmake -S fuzz -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++ -DRATEBOOK_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(BUILD)-fuzz -j$(JOBS)
	cd $(BUILD)-fuzz && ctest --output-on-failure -j$(JOBS)

fuzz:
	$(MAKE) test-fuzz FUZZ_SECONDS=600

# A .deb of what `cmake --install` puts in place, in $(BUILD).
package: build
	cmake --build $(BUILD) --target package

# Captures the three windows into docs/ under a virtual X server.
screenshots: build
	@tools/install-deps.sh xvfb xauth openbox xdotool imagemagick
	tools/screenshots.sh $(BUILD)/ratebook

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DRATEBOOK_WERROR=$(WERROR)
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@tools/install-deps.sh

# Benchmarks and their goals, one table; a Release build of its own, apart from `make test`.
BENCH_BUILD ?= build-bench
.PHONY: bench
# Beyond the build: an X server for the start-up runs and the headers of their watcher.
bench: deps
	@tools/install-deps.sh xvfb xauth libxcb1-dev
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DRATEBOOK_BENCH=ON -DRATEBOOK_WERROR=$(WERROR)
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target benchmarks
	@bench/run.sh $(BENCH_BUILD)
