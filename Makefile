# Thin wrapper over the CMake build: installs what is missing, configures, builds.
BUILD ?= build
MAKEFLAGS += --no-print-directory
PACKAGES = cmake make g++ qt6-base-dev libgl-dev fonts-dejavu-core poppler-utils \
           desktop-file-utils appstream dpkg-dev file shared-mime-info \
           libqt6sql6-sqlite

.PHONY: all deps configure build run test package clean

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

# A Debian package of the program in $(BUILD), with its dependencies found by dpkg-shlibdeps.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
