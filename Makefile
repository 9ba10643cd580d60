# Set everything up on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test headless
#   make deb    build the Debian package $(BUILD)/orvel-pataki-chakra_<version>_<arch>.deb

BUILD   ?= build
JOBS    ?= 2
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := build-essential cmake pkg-config qt6-base-dev libgl-dev nlohmann-json3-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core xvfb xauth \
            desktop-file-utils appstream lintian poppler-utils tzdata \
            libswe-dev swe-basic-data qt6-tools-dev qt6-l10n-tools \
            fonts-lohit-deva fonts-lohit-taml

ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
SANITIZE_SWEEP ?= 50000
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev

.PHONY: run test build deps configure clean format sanitize fuzz deb translations

run: build
	./$(BUILD)/ui/orvel-pataki-chakra

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -LE long

# The Debian package from the Release build (packaging/Packaging.cmake says what goes in).
deb: build
	cd $(BUILD) && cpack -G DEB

# Brings translations/*.ts up to the texts of the sources (lupdate); the build compiles them.
translations: configure
	cmake --build $(BUILD) --target update_translations

build: configure
	cmake --build $(BUILD) -j$(JOBS)

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

# Installs those of the packages in $(1) that are not installed yet.
define install-missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing: $$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

# The library, tools, windows and tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# with a shorter sweep (the sanitizers make a reading some ten times slower). The Qt tests run
# offscreen, with leak detection on: Qt 6.4 on Debian 12 reports no leaks there.
sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DOPC_SANITIZE=ON -DOPC_BUILD_UI=ON -DOPC_BUILD_BENCH=OFF \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOPC_SWEEP_COUNT=$(SANITIZE_SWEEP)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -LE long

# The reading dump's line handling under libFuzzer with ASan and UBSan, for FUZZ_SECONDS;
# new inputs go to $(FUZZ_BUILD)/corpus, a crashing input to $(FUZZ_BUILD)/crash-*.
fuzz: deps
	$(call install-missing,$(FUZZ_PACKAGES))
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DOPC_FUZZ=ON \
	    -DOPC_BUILD_UI=OFF -DOPC_BUILD_TESTS=OFF -DOPC_BUILD_BENCH=OFF \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target reading_dump_fuzz
	mkdir -p $(FUZZ_BUILD)/corpus
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	$(FUZZ_BUILD)/tests/fuzz/reading_dump_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    -dict=tests/fuzz/reading_dump.dict -artifact_prefix=$(FUZZ_BUILD)/ \
	    -print_final_stats=1 $(FUZZ_BUILD)/corpus tests/fuzz/corpus

format:
	git ls-files '*.cpp' '*.h' | grep -v '^places/atlas_data.cpp$$' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
