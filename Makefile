# Thin wrapper over the CMake build: installs what is missing, configures, builds.
BUILD ?= build
MAKEFLAGS += --no-print-directory
PACKAGES = cmake make g++ qt6-base-dev libgl-dev fonts-dejavu-core poppler-utils

.PHONY: all deps configure build run test clean

all: build

deps:
	@sh tools/ensure-packages $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) --parallel 2

run: build
	./$(BUILD)/motor-sizing

test: build
	ctest --test-dir $(BUILD) --output-on-failure

clean:
	rm -rf $(BUILD)
