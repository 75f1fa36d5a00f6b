# Two entry points: `make run` starts the workbench, `make test` runs every test.
JOBS ?= $(shell nproc)
RELEASE_DIR := build
TEST_DIR := build-asan
PY_DIR := build-py
FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 60
# The readers' scratch files and the scripts' working folder go to memory,
# several times faster than a disk.
FUZZ_TMP ?= /dev/shm
# The first python3 on PATH when it has what the module and its tests need
# (NumPy, pytest, hypothesis), else Debian's, for which install-deps.sh
# installs them. `make python PYTHON=...` picks another.
PYTHON ?= $(shell p=$$(command -v python3); \
	$$p -c 'import numpy, pytest, hypothesis' 2>/dev/null && echo $$p || echo /usr/bin/python3)
WORKDIR ?= $(CURDIR)/workdir

.PHONY: run test deps build build-test python fuzz bench screenshot screenshots package clean

deps:
	./scripts/install-deps.sh

# The two programs and what they link; the tests build in `make test`.
build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DRCALAB_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	$(RELEASE_DIR)/src/cli/rcalab-cli init-workdir $(WORKDIR)
	$(RELEASE_DIR)/src/gui/rcalab --workdir $(WORKDIR)

# The Debian package of the Release build: $(RELEASE_DIR)/rcalab_VERSION_ARCH.deb.
package: build
	cd $(RELEASE_DIR) && cpack -G DEB

build-test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRCALAB_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)

# The Python module is built without sanitizers: an ASan library cannot be
# loaded into an interpreter that was not built with it.
python: deps
	cmake -S . -B $(PY_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DRCALAB_PYTHON=ON -DRCALAB_TESTS=OFF \
		-DPYTHON_EXECUTABLE=$(PYTHON)
	cmake --build $(PY_DIR) -j $(JOBS) --target rcalab_python
	@echo "the module is for $(PYTHON): PYTHONPATH=$(PY_DIR)/src/python $(PYTHON) -c 'import rcalab'"

# Last, the notebooks of docs/examples: a cell that raises fails the run.
test: build-test python
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	RCALAB_CLI=$(PY_DIR)/src/cli/rcalab-cli PYTHONPATH=$(PY_DIR)/src/python \
		$(PYTHON) -m pytest -q -p no:cacheprovider tests/python
	PYDEVD_DISABLE_FILE_VALIDATION=1 PYTHONPATH=$(CURDIR)/$(PY_DIR)/src/python \
		$(PYTHON) -m nbconvert --to notebook --execute \
		--output-dir $(PY_DIR)/notebooks docs/examples/*.ipynb

# Each fuzz target runs FUZZ_SECONDS on a copy of its corpus (clang,
# libFuzzer, ASan + UBSan); new inputs that find faults belong in
# fuzz/corpus/NAME, where `make test` replays them. The script target's
# dictionary holds every verb, control, handler and value name of the
# workbench as built, and numbers at the edges of every type.
FUZZ_FLAGS := -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -g -O1
fuzz:
	./scripts/install-deps.sh --fuzz
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DRCALAB_FUZZ=ON -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_file_readers fuzz_script fuzz_number_parse fuzz_cli_options random_scripts
	ASAN_OPTIONS=detect_leaks=0 $(FUZZ_DIR)/fuzz/random_scripts --dict $(FUZZ_DIR)/script.dict
	failed=""; for t in file_readers script number_parse cli_options; do \
		mkdir -p $(FUZZ_DIR)/corpus/$$t && cp fuzz/corpus/$$t/* $(FUZZ_DIR)/corpus/$$t/ && \
		dict=""; [ $$t != script ] || dict=-dict=$(FUZZ_DIR)/script.dict; \
		TMPDIR=$(FUZZ_TMP) ASAN_OPTIONS=detect_leaks=0 $(FUZZ_DIR)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) \
			-print_final_stats=1 $$dict $(FUZZ_DIR)/corpus/$$t || failed="$$failed $$t"; \
	done; [ -z "$$failed" ] || { echo "fuzz targets that stopped:$$failed"; exit 1; }

bench: build
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target rcalab-bench
	$(RELEASE_DIR)/bench/rcalab-bench

screenshot: build
	RCALAB_SCREENSHOT_DELAY_MS=1500 ./scripts/screenshot.sh $(RELEASE_DIR) docs/screenshot.png Button58 Button6

# The pictures of docs/guide.md: every window, made under Xvfb.
screenshots: build
	./scripts/guide-screenshots.sh $(RELEASE_DIR) docs/guide

clean:
	rm -rf $(RELEASE_DIR) $(TEST_DIR) $(PY_DIR) $(FUZZ_DIR)
