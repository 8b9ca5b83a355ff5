# Muzyka: set up, build, test and run the demo on Debian 12.
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins libcurl4-openssl-dev \
  libmpg123-dev portaudio19-dev libkissfft-dev libpng-dev libgtest-dev libbenchmark-dev \
  libcpp-httplib-dev libmp3lame-dev fonts-dejavu-core xvfb xauth
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS := $(shell nproc)

.PHONY: deps build build-sanitize test demo clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "installing:" $$missing; \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $$missing; \
	fi

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j$(JOBS)

build-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMUZYKA_SANITIZE=ON >/dev/null
	cmake --build build-sanitize -j$(JOBS)

test: build build-sanitize
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 ctest --output-on-failure -j$(JOBS)

demo: build
	tools/run_demo.sh build

clean:
	rm -rf build build-sanitize
