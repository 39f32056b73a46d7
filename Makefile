# Thin wrapper over the CMake build: installs what is missing, configures, builds.
BUILD ?= build
MAKEFLAGS += --no-print-directory
PACKAGES = cmake make g++ qt6-base-dev libgl-dev fonts-dejavu-core poppler-utils \
           desktop-file-utils appstream dpkg-dev file shared-mime-info \
           libqt6sql6-sqlite
CHECK_PACKAGES = clang-format
CHECKED = build-check

.PHONY: all deps configure build run test check format package clean

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

# The house habits: the formatting, a build with warnings as errors, and
# every test run under AddressSanitizer and UndefinedBehaviorSanitizer.
check: deps
	@sh tools/ensure-packages $(CHECK_PACKAGES)
	clang-format --dry-run --Werror $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h')
	@cmake -S . -B $(CHECKED) -DCMAKE_BUILD_TYPE=Debug -DMOTOR_SIZING_WERROR=ON \
	    -DMOTOR_SIZING_SANITIZE=ON >/dev/null
	@cmake --build $(CHECKED) --parallel 2
	ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --test-dir $(CHECKED) --output-on-failure -E 'tst_install|tst_package'

# Formats the code as the repository keeps it.
format:
	@sh tools/ensure-packages $(CHECK_PACKAGES)
	clang-format -i $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h')

# A Debian package of the program in $(BUILD), with its dependencies found by dpkg-shlibdeps.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(CHECKED)
