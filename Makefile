# Convenience wrapper around CMake. `make run` and `make test` work on a fresh Debian machine.

PACKAGES := cmake g++ make qt6-base-dev qt6-base-dev-tools fonts-liberation2 qt6-translations-l10n \
            desktop-file-utils appstream clang-format
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX   ?= /usr/local
CMAKE    ?= cmake

RELEASE_DIR := build/release
TEST_DIR    := build/test
BENCH_RUNS  ?= 7

.PHONY: all deps build run test format-check bench install screenshots clean

all: build

# Installs only what is missing; no apt call when everything is there.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null || exit 1; \
	  else \
	    echo "Lorvex needs these Debian packages:$$missing"; \
	    echo "Install them with: sudo apt-get install -y$$missing"; \
	    exit 1; \
	  fi; \
	fi

$(RELEASE_DIR)/CMakeCache.txt: | deps
	$(CMAKE) -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DLORVEX_TESTS=OFF -DCMAKE_INSTALL_PREFIX=$(PREFIX)

build: deps $(RELEASE_DIR)/CMakeCache.txt
	$(CMAKE) --build $(RELEASE_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Lorvex needs a desktop session (no DISPLAY or WAYLAND_DISPLAY is set); without one, try: xvfb-run -a $(RELEASE_DIR)/lorvex"; \
	  exit 1; \
	fi
	./$(RELEASE_DIR)/lorvex

# Tests build with warnings as errors and with AddressSanitizer + UBSan.
test: deps format-check
	$(CMAKE) -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 -g" \
	  -DLORVEX_WERROR=ON -DLORVEX_SANITIZE=ON -DLORVEX_TESTS=ON
	$(CMAKE) --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The sources against .clang-format, changing nothing; `make test` (and so CI) runs it first.
format-check: deps
	find src tests tools \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror

# Renders the windows offscreen into docs/ for the README.
screenshots: build
	$(CMAKE) --build $(RELEASE_DIR) --target lorvex_screenshots -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ./$(RELEASE_DIR)/tools/screenshots/lorvex_screenshots docs

# Start-up time of the release build against a bare Qt window of the same size, each
# from launch to its window on screen (needs the Debian packages xvfb and xdotool).
bench: build
	$(CMAKE) --build $(RELEASE_DIR) --target lorvex_floor -j $(JOBS)
	tools/bench/startup-bench.sh -n $(BENCH_RUNS) '^lorvex-floor$$' $(RELEASE_DIR)/lorvex_floor
	tools/bench/startup-bench.sh -n $(BENCH_RUNS) '^Tavoran - Lorvex' $(RELEASE_DIR)/lorvex

install: build
	$(CMAKE) --install $(RELEASE_DIR) --prefix $(PREFIX)

clean:
	rm -rf build
