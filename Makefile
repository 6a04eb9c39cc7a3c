# The two commands of a fresh Debian 12 machine: `make run` and `make test`.
# Both install what is missing, configure and build (Release unless BUILD_TYPE says
# otherwise); CI passes WERROR=ON.
BUILD      ?= build
BUILD_TYPE ?= Release
WERROR     ?= OFF
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build deps package screenshots

run: build
	@$(BUILD)/ratebook

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

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
bench: deps
	@bench/install-deps.sh
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DRATEBOOK_BENCH=ON -DRATEBOOK_WERROR=$(WERROR)
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target benchmarks
	@bench/run.sh $(BENCH_BUILD)
