# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_BUILD_TYPE ?= RelWithDebInfo

.PHONY: all run test test-windows bench setup configure build clean fuzz sanitize package

all: build

setup:
	@scripts/setup

configure: setup
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(CMAKE_BUILD_TYPE) -DTINTORA_WERROR=ON; \
	fi

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/src/tintora

# -noreset: without it Xvfb resets when its last client leaves, and a test that connects
# during the reset is refused (openbox saw this between two tests).
XVFB_ARGS = -screen 0 1280x1024x24 -noreset
# The offscreen tests run side by side, one per core (those that share a desktop user hold a
# lock); the X11 ones share one X server and run in turn.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

test: build
	@scripts/fetch-palettes $(BUILD)/other-palettes
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -LE x11 -j$(JOBS)
	cd $(BUILD) && xvfb-run -a -s "$(XVFB_ARGS)" ctest --output-on-failure -L x11
	@scripts/windows-test $(BUILD)

# The window as a Windows program: Qt for Windows built once a machine (about a quarter of an
# hour) into ~/.cache/tintora, tintora.exe, its tests under Wine, and the installer.
test-windows: setup
	@scripts/windows-test --window $(BUILD)

# A Debian package (tintora_<version>_<arch>.deb) in $(BUILD)/package, and the Windows installer
# (tintora-<version>-windows-x86_64.exe) in $(BUILD)/windows-window/package.
package: build
	@cmake --build $(BUILD) --target package
	@scripts/windows-test --package $(BUILD)

BENCH_FLAGS = --benchmark_min_time=0.2 --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

bench: build
	@for b in colour formats window list colourizer adjust; do \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_$$b $(BENCH_FLAGS); \
	done
	@echo "== capture (X11, under xvfb-run)"
	@xvfb-run -a -s "$(XVFB_ARGS)" $(BUILD)/bench/bench_capture $(BENCH_FLAGS)
	@echo "== idle CPU with live capture on (X11)"
	@bench/idle_capture_cpu $(BUILD) 10
	@echo "== idle wake-ups with capture off (X11)"
	@bench/idle_wakeups $(BUILD) 10
	@echo "== the converter on a million colours"
	@bench/convert_million $(BUILD)
	@echo "== start-up beside a bare Qt window (X11)"
	@bench/startup $(BUILD) 15

# The core's tests under ASan and UBSan, then every fuzz target for 20 s each (CI runs this).
sanitize:
	@scripts/sanitize

fuzz:
	@scripts/setup --sanitize
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTINTORA_FUZZ=ON -DTINTORA_BUILD_UI=OFF
	cmake --build build-fuzz

clean:
	rm -rf $(BUILD)
