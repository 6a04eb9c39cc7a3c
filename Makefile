# The two commands of a fresh Debian 12 machine: `make run` and `make test`.
# Both install what is missing, configure and build (Release unless BUILD_TYPE says
# otherwise); CI passes WERROR=ON.
BUILD      ?= build
BUILD_TYPE ?= Release
WERROR     ?= OFF
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build deps

run: build
	@$(BUILD)/ratebook

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DRATEBOOK_WERROR=$(WERROR)
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@tools/install-deps.sh
