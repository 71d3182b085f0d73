# Quillmere: set-up, build, run and test.
#   make run    installs what is missing, builds the game alone (no tests), starts it
#   make test   installs what is missing, checks the formatting, builds and runs every test headless
#   make bench  builds and runs every benchmark (release build); fails when one did
#   make package  builds the Debian package (cpack -G DEB) in build/
#   make web    builds the web page into build-web/site (serve that folder)
#   make test-web  builds the page and runs its tests (node, headless chromium)
#   make fuzz   builds the fuzz targets (clang) and runs each FUZZ_SECONDS (60)
#   make lint   runs clang-tidy (the checks in .clang-tidy) over the sources
#   make translations  brings translations/*.ts in step with the sources (lupdate);
#                      NEW=it starts the file of a new language too
#   make format      reformats every tracked C++ file with .clang-format
#   make format-check  fails, naming the files, when one is not formatted

# Debian packages the build, the tests and the game need.
PACKAGES := cmake g++ make pkg-config qt6-base-dev libgl-dev libsimpleini-dev \
            libsdl2-mixer-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-noto-color-emoji fonts-liberation xvfb xauth \
            desktop-file-utils appstream dpkg-dev qt6-svg-dev clang libclang-rt-14-dev \
            clang-tidy clang-format \
            openbox xdotool x11-utils weston qt6-wayland lintian \
            qt6-l10n-tools qt6-tools-dev qt6-translations-l10n locales-all \
            at-spi2-core python3-pyatspi dbus-daemon orca speech-dispatcher \
            speech-dispatcher-audio-plugins \
            emscripten node-acorn nodejs chromium python3

JOBS     ?= 2
BUILD    ?= build
ASAN     ?= build-asan
FUZZ     ?= build-fuzz
WEB      ?= build-web
FUZZ_SECONDS ?= 60
# A few seconds each inside "make test": enough to show every target runs.
SMOKE_SECONDS ?= 3
CMAKE    ?= cmake
CLANG_TIDY_RUN ?= run-clang-tidy-14
CLANG_FORMAT   ?= clang-format
# The project's own C++ files: tracked ones only, so nothing generated.
CXX_SOURCES = $(shell git ls-files '*.cpp' '*.h')
# The sources clang-tidy checks: those the plain build compiles (the fuzz
# targets are built by clang in their own build and not listed there).
LINT_DIRS := app|bench|engine|formats|game|graphics|records|rules|session|tests|tools
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build build-game build-asan build-fuzz run test test-plain test-asan test-fuzz fuzz bench package clean \
        web web-npm test-web \
        lint format format-check translations

all: build

# Installs only the packages that are not installed yet.
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

configure: deps
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS)

# What the game needs to start: the program, its tiles, sounds, title
# picture and guides, and its translations; none of the tests.
build-game: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target quillmere quillmere_translations

build-asan: deps
	$(CMAKE) -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DQUILLMERE_SANITIZE=ON -DQUILLMERE_BENCH=OFF
	$(CMAKE) --build $(ASAN) -j $(JOBS)

# The fuzz targets with clang's libFuzzer, ASan and UBSan, in a build of
# their own that holds only the libraries the targets need.
build-fuzz: deps
	CC=clang CXX=clang++ $(CMAKE) -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_FUZZ=ON \
	  -DQUILLMERE_BENCH=OFF -DQUILLMERE_LAYERS="engine;rules;formats;records;graphics;tools"
	$(CMAKE) --build $(FUZZ) --target quillmere_fuzzers -j $(JOBS)

fuzz: build-fuzz
	fuzz/run_fuzzers.sh $(FUZZ) $(FUZZ_SECONDS)

test-fuzz: build-fuzz
	fuzz/run_fuzzers.sh $(FUZZ) $(SMOKE_SECONDS)

# The web page: the game core compiled to WebAssembly, the translations,
# tiles, sounds and icons from the native build's asset generator, and the
# page's own files.
web: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target quillmere-assets quillmere-puzzle
	web/build.sh $(BUILD)/tools/assets/quillmere-assets $(WEB)

# The npm packages of the page's tests and benchmark (web/package-lock.json),
# installed again when the lock changed; their install scripts never run.
web-npm:
	@command -v npm >/dev/null || { echo "npm is missing: the page's tests need Node.js with its npm" >&2; exit 1; }
	@if [ ! -f web/node_modules/.package-lock.json ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then \
	  cd web && npm ci --ignore-scripts --no-audit --no-fund; \
	fi

# The core against the native puzzle tool in node, and the page played in
# Debian's headless chromium.
test-web: web web-npm
	QM_SITE=$(WEB)/site QM_PUZZLE=$(BUILD)/tools/puzzle/quillmere-puzzle node --test web/tests/

run: build-game
	$(BUILD)/app/quillmere

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

test: format-check test-plain test-asan test-fuzz test-web

# The web page's benchmark follows the native ones; it sets up puzzles with
# this build's puzzle tool beside the core's wasm.
bench: deps web-npm
	$(CMAKE) -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUILLMERE_BENCH=ON
	$(CMAKE) --build build-bench -j $(JOBS)
	@failed=""; for b in build-bench/bench/bench_*; do \
	  [ -x "$$b" ] || continue; \
	  QT_QPA_PLATFORM=offscreen "$$b" || failed="$$failed $${b##*/}"; \
	done; \
	web/build.sh build-bench/tools/assets/quillmere-assets $(WEB) && \
	QM_SITE=$(WEB)/site QM_PUZZLE=build-bench/tools/puzzle/quillmere-puzzle node bench/web/bench_web.mjs \
	  || failed="$$failed bench_web"; \
	if [ -n "$$failed" ]; then echo "Benchmarks that failed:$$failed" >&2; exit 1; fi

# clang-tidy needs the compile commands and Qt's generated sources of a build.
lint: build
	$(CLANG_TIDY_RUN) -p $(BUILD) -quiet -j $(JOBS) '^$(CURDIR)/($(LINT_DIRS))/'

format: deps
	$(CLANG_FORMAT) -i $(CXX_SOURCES)

format-check: deps
	$(CLANG_FORMAT) --dry-run --Werror $(CXX_SOURCES)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ) build-bench $(WEB)

# New and changed texts go into every .ts file, unfinished, for the
# translators; "make test" fails until they are done.
translations: deps
	translations/translations.sh update /usr/lib/qt6/bin/lupdate $(NEW)
