# Thin wrapper: `make run` starts the program, `make test` runs every test.
SHELL := /bin/bash
# SANITIZE=1 builds apart, with AddressSanitizer and UndefinedBehaviorSanitizer.
ifeq ($(SANITIZE),1)
BUILD ?= build-sanitize
CMAKE_FLAGS = -DSANITIZE=ON
TEST_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
           LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 \
           UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
BUILD ?= build
endif
# A compiler cache, where one is installed, makes rebuilds of other checkouts cheap.
CMAKE_FLAGS += $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
PACKAGES = build-essential cmake ninja-build pkg-config qt6-base-dev qt6-charts-dev \
           libqt6opengl6-dev libsqlite3-dev sqlite3 libgtest-dev libgmock-dev fonts-thai-tlwg \
           poppler-utils desktop-file-utils libpq-dev postgresql-15 mdbtools mdbtools-dev python3 \
           libthai0 libyaz-dev yaz idzebra-2.0 lintian appstream xvfb libxcb1-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run test package fuzz bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	$(BUILD)/shell/periodicals

# Tests run side by side, one per core; those that share a server wait for it.
test: build
	cd $(BUILD) && $(TEST_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure \
		--parallel $(shell nproc)

package: build
	cd $(BUILD) && cpack -G DEB

# Timings on generated collections of 50,000 and of 1,000,000 titles (each
# made once and kept in the build folder: about 5 minutes and 900 MB, and
# about 10 minutes and 1.6 GB), each copied before the run, which changes it.
BENCH_DB = $(BUILD)/bench-large.db
BENCH_MILLION_DB = $(BUILD)/bench-million.db
bench: build
	@test -f $(BENCH_DB) || $(BUILD)/tools/generate_sample $(BENCH_DB) 50000 60000 5000 2000000
	@test -f $(BENCH_MILLION_DB) || \
		$(BUILD)/tools/generate_sample $(BENCH_MILLION_DB) 1000000 1200000 20000 2000000
	@for db in $(BENCH_DB) $(BENCH_MILLION_DB); do \
		rm -rf $(BUILD)/bench-run && mkdir -p $(BUILD)/bench-run && \
		cp $$db $(BUILD)/bench-run/Vorlen.db && \
		sh bench/on_xvfb.sh $(BUILD)/bench/bench_desk $(BUILD)/bench-run/Vorlen.db \
			2>/dev/null || exit 1; echo; \
	done
	@# The everyday operations again, on the file and on a PostgreSQL server.
	@rm -rf $(BUILD)/bench-run && mkdir -p $(BUILD)/bench-run && \
		cp $(BENCH_DB) $(BUILD)/bench-run/Vorlen.db && \
		sh tests/support/pg_server.sh start $(CURDIR)/$(BUILD)/bench-postgresql durable && \
		QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_server $(BUILD)/bench-run/Vorlen.db \
			"postgresql:///postgres?host=$$(readlink -f $(BUILD)/bench-postgresql)&user=postgres"; \
		status=$$?; sh tests/support/pg_server.sh stop $(CURDIR)/$(BUILD)/bench-postgresql; \
		test $$status -eq 0 || exit $$status
	@# The old program's file of 2,000,000 issues brought in, against mdb-export.
	@sh bench/import_bench.sh $(BUILD)

# Each fuzz target runs for FUZZ_SECONDS on its own; any crash fails the run.
FUZZ_SECONDS ?= 30
FUZZ_TARGETS = fuzz_dates fuzz_date_keys fuzz_textbox
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) clang libclang-rt-14-dev"
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON
	cmake --build build-fuzz --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
		mkdir -p build-fuzz/corpus/$$t; \
		QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) \
			-print_final_stats=1 build-fuzz/corpus/$$t 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|BINGO|Done' ; \
		test $${PIPESTATUS[0]} -eq 0 || exit 1; \
	done

clean:
	rm -rf $(BUILD)
