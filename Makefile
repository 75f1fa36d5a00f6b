# Two entry points: `make run` starts the workbench, `make test` runs every test.
JOBS ?= $(shell nproc)
RELEASE_DIR := build
TEST_DIR := build-asan
PY_DIR := build-py
# Debian's interpreter: the one pybind11, NumPy and pytest are installed for.
PYTHON := /usr/bin/python3
WORKDIR ?= $(CURDIR)/workdir

.PHONY: run test deps build build-test python bench screenshot clean

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	$(RELEASE_DIR)/src/cli/rcalab-cli init-workdir $(WORKDIR)
	cd $(WORKDIR) && $(CURDIR)/$(RELEASE_DIR)/src/gui/rcalab

build-test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRCALAB_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)

# The Python module is built without sanitizers: an ASan library cannot be
# loaded into an interpreter that was not built with it.
python: deps
	cmake -S . -B $(PY_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DRCALAB_PYTHON=ON \
		-DPYTHON_EXECUTABLE=$(PYTHON)
	cmake --build $(PY_DIR) -j $(JOBS) --target rcalab_python rcalab-cli

test: build-test python
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	RCALAB_CLI=$(PY_DIR)/src/cli/rcalab-cli PYTHONPATH=$(PY_DIR)/src/python \
		$(PYTHON) -m pytest -q -p no:cacheprovider tests/python

bench: build
	$(RELEASE_DIR)/bench/rcalab-bench

screenshot: build
	RCALAB_SCREENSHOT_DELAY_MS=1500 ./scripts/screenshot.sh $(RELEASE_DIR) docs/screenshot.png Button58 Button6

clean:
	rm -rf $(RELEASE_DIR) $(TEST_DIR) $(PY_DIR)
