# make run   - install what is missing, build, start the program
# make test  - install what is missing, lint, build, run every test
# make lint  - what may include what, the formatting, window file sizes
# make install PREFIX=... / make deb - install, or build the Debian package
# make build / make bench / make fuzz; SANITIZE=1 builds with ASan + UBSan.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_FLAGS += -DTABDECK_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
else
BUILD_DIR ?= build
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

.PHONY: deps configure build run lint test unit e2e bench fuzz clean install deb
PREFIX ?= /usr/local

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/TabdeckV10

unit: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE e2e

e2e: build
	@scripts/e2e.sh $(BUILD_DIR)

# The layer table, clang-format over src/, tests/, bench/, fuzz/ and the
# window file sizes (scripts/window-lines.txt holds the known larger ones).
lint: deps
	@scripts/lint.py

test: lint
	@$(MAKE) --no-print-directory unit e2e

# make install PREFIX=/opt/tabdeck (DESTDIR is honoured as usual).
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

deb: build
	@cd $(BUILD_DIR) && cpack -G DEB

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTABDECK_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@scripts/bench.sh build-bench

fuzz: deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABDECK_FUZZ=ON \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@echo "Fuzz targets are in build-fuzz/bin (fuzz_*); run one with: LSAN_OPTIONS=suppressions=fuzz/lsan.supp build-fuzz/bin/fuzz_NAME -max_total_time=600"

clean:
	rm -rf build build-sanitize build-bench build-fuzz
