# The two front doors: `make run` and `make test`. Everything else is CMake.
BUILD      ?= build
JOBS       ?= $(shell nproc)
SAMPLE     ?= samples/Sample_LAYOUT.TABLOR

.PHONY: run test build debug bench asan clean bootstrap

bootstrap:
	@tools/bootstrap

build: bootstrap
	@cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD)/release -j $(JOBS)

run: build
	@if [ -f "$(SAMPLE)" ]; then $(BUILD)/release/signwright "$(SAMPLE)"; \
	 else $(BUILD)/release/signwright --help; fi

test: build
	@cd $(BUILD)/release && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

asan: bootstrap
	@cmake -S . -B $(BUILD)/asan -DCMAKE_BUILD_TYPE=Debug -DSW_SANITIZE=ON -DSW_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(BUILD)/asan -j $(JOBS)
	@cd $(BUILD)/asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/release/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen $$b; done

clean:
	rm -rf $(BUILD)
