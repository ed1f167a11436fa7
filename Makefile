# Norvel: install what is missing, build, run, test.
BUILD_DIR ?= build
FUZZ_BUILD_DIR ?= build-fuzz
SANITIZE_BUILD_DIR ?= build-sanitize
WINDOWS_BUILD_DIR ?= build-windows
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Seconds per harness for `make fuzz`.
FUZZ_SECONDS ?= 60
FUZZERS = fuzz_input_file fuzz_profile_table fuzz_material_table fuzz_design_file \
	fuzz_result_folder

.PHONY: deps build run test bench clean fuzz-deps fuzz fuzz-build fuzz-merge fuzz-coverage sanitize \
	windows-deps windows test-windows dist

deps:
	@sh tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@sh tools/run-example.sh $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD_DIR)/norvel_bench

# The libFuzzer harnesses of tests/fuzz, built with clang under AddressSanitizer
# and UBSan in their own build folder, each run for FUZZ_SECONDS.
fuzz-deps:
	@sh tools/install-deps.sh fuzz

fuzz-build: deps fuzz-deps
	@cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++-14 -DNORVEL_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target $(FUZZERS)

fuzz: fuzz-build
	@sh tools/run-fuzzers.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS) $(FUZZERS)

# Adds the inputs of the last `make fuzz` that reach new code to the committed corpora.
fuzz-merge: fuzz-build
	@for f in $(FUZZERS); do \
		$(FUZZ_BUILD_DIR)/$$f -merge=1 tests/fuzz/corpus/$$f $(FUZZ_BUILD_DIR)/corpus/$$f \
			>$(FUZZ_BUILD_DIR)/$$f.merge.log 2>&1 || exit 1; \
		echo "$$f: $$(ls tests/fuzz/corpus/$$f | wc -l) corpus files"; \
	done

# Lines of the engine and of the front end's readers that the corpora reach.
COVERAGE_BUILD_DIR ?= build-coverage
fuzz-coverage: deps fuzz-deps
	@cmake -S . -B $(COVERAGE_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_CXX_COMPILER=clang++-14 -DNORVEL_COVERAGE=ON >/dev/null
	@cmake --build $(COVERAGE_BUILD_DIR) -j $(JOBS) --target $(addsuffix _replay,$(FUZZERS))
	@sh tools/fuzz-coverage.sh $(COVERAGE_BUILD_DIR) $(FUZZ_BUILD_DIR) $(FUZZERS)

# The engine and front-end test suites (with the fuzz replays) under
# AddressSanitizer and UBSan, in their own build folder.
# The build runs generators too, so the options hold for it as well.
SANITIZER_OPTIONS = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVEL_SANITIZE=ON >/dev/null
	@$(SANITIZER_OPTIONS) cmake --build $(SANITIZE_BUILD_DIR) -j $(JOBS)
	@cd $(SANITIZE_BUILD_DIR) && $(SANITIZER_OPTIONS) ctest --output-on-failure -j $(JOBS)

# The engine, the platform layer and their tests cross-built for 64-bit
# Windows with mingw-w64 (static, no DLL), the tables beside Stalvora2.exe.
windows-deps:
	@sh tools/install-deps.sh windows

windows: windows-deps
	@cmake -S . -B $(WINDOWS_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS)

# The Windows test suites under wine64, then the Windows engine against the
# Linux engine on the example and the test designs (every result file).
test-windows: deps windows
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target Stalvora2 norvel_data norvel_compare_runs
	@sh tools/test-windows.sh $(BUILD_DIR) $(WINDOWS_BUILD_DIR)

# Release archives in dist/: the Linux programs with everything they use,
# and the Windows engine with tables, example and a README.
dist: build windows
	@sh tools/make-dist.sh $(BUILD_DIR) $(WINDOWS_BUILD_DIR) dist

clean:
	@rm -rf $(BUILD_DIR) $(FUZZ_BUILD_DIR) $(SANITIZE_BUILD_DIR) $(COVERAGE_BUILD_DIR) \
		$(WINDOWS_BUILD_DIR) dist
