# SPDX-License-Identifier: GPL-3.0-or-later
# The README's two commands: `make run` and `make test`. Each installs what is missing first
# (`make deps`, which may ask sudo); `make install` and `make uninstall` only copy and remove files.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
MUTANTS_MINUTES ?= 30
PREFIX     ?= /usr/local
CMAKE_GEN  := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORMADE_WERROR=ON
# Packages are stamped with the time of the last commit, so that two builds of it are identical.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)

.PHONY: all deps game-deps build run test test-sanitize fuzz bench mutants format format-check \
	naming-check editorconfig-check translations install uninstall package reproducible clean

all: build

deps:
	@scripts/install-deps.sh all

game-deps:
	@scripts/install-deps.sh game

# The full tree, tests included; a tree `make run` configured without them gains them here.
build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DBUILD_TESTING=ON
	cmake --build $(BUILD)

# Only the game and its chart module, after the game's own packages; a new tree leaves the tests
# out, so that their packages are not needed. The display is asked for before anything is done.
run:
	@[ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] || { echo "make run: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)" >&2; exit 1; }
	@$(MAKE) --no-print-directory game-deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) $(CMAKE_GEN) -DBUILD_TESTING=OFF
	cmake --build $(BUILD) --target zormade zormade-charts
	@$(BUILD)/zormade

test: build
	ctest --test-dir $(BUILD) --output-on-failure

test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DZORMADE_SANITIZE=ON -DZORMADE_BENCHMARKS=OFF
	cmake --build $(ASAN_BUILD)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure

# Each fuzzer for FUZZ_SECONDS, built with clang in its own folder.
fuzz: deps
	fuzz/run.sh $(FUZZ_SECONDS) $(FUZZ_BUILD)

# The core's and the windows' benchmarks, each beside its baseline (see README, Measurements).
bench: build
	$(BUILD)/bench/core_bench
	$(BUILD)/bench/window_bench

# Mutants of the lines changed since BASE (default: the merge base with tools/mutants/landed),
# or of whole FILES; each built and tested in a scratch copy under $(BUILD)/mutants.
mutants: deps
	python3 -B tools/mutants/mutants.py --build $(BUILD) --base "$(BASE)" --files "$(FILES)" \
		--minutes $(MUTANTS_MINUTES)

# Every Linguist file under i18n/ brought up to date with the texts in res/, as lupdate does for
# texts in code: a new text arrives unfinished, a translation made is kept.
translations:
	for ts in i18n/zormade_*.ts; do python3 tools/i18n/ts_update.py res "$$ts" || exit 1; done

# The house style (.clang-format) over every C++ file git tracks, the event catalogue included:
# `format` rewrites, `format-check` only says where the style is not kept (CI runs it).
FORMATTED = $(shell git ls-files '*.cpp' '*.h' '*.inc')
format:
	clang-format -i $(FORMATTED)
format-check: deps
	@clang-format --dry-run --Werror $(FORMATTED) && echo "format-check: $(words $(FORMATTED)) files in the house style"

# The naming convention (.clang-tidy, README's "House style and names") over every C++ translation unit and
# header in NAMING_DIRS, with clang-tidy over the built tree's compile_commands.json.
NAMING_DIRS ?= src tools tests bench fuzz
naming-check: build
	@scripts/naming_check.sh $(BUILD) $(NAMING_DIRS)

# .editorconfig over every text file git tracks, less the folders in EDITORCONFIG_SKIP.
EDITORCONFIG_SKIP ?=
editorconfig-check:
	@python3 -B tools/editorconfig_check/editorconfig_check.py . $(addprefix --skip ,$(EDITORCONFIG_SKIP))

# The built tree into PREFIX (the programs in games/); DESTDIR, when given, stages the files below
# a folder instead of the live system. Builds nothing and installs no packages: run `make` first.
# What it installed is kept in INSTALL_MANIFEST, which no test or package build writes (they all
# overwrite CMake's own install_manifest.txt).
INSTALL_MANIFEST ?= $(BUILD)/make_install_manifest.txt
install:
	@test -f $(BUILD)/zormade || { echo "make install: nothing built in $(BUILD); run make first" >&2; exit 1; }
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)
	cp $(BUILD)/install_manifest.txt $(INSTALL_MANIFEST)

# Removes what the last `make install` put in place, with the same DESTDIR, and the game's folders
# left empty; a file someone else put there stays, and so does its folder.
uninstall:
	DESTDIR="$(DESTDIR)" cmake -DMANIFEST=$(INSTALL_MANIFEST) -P cmake/uninstall.cmake

# A Debian package of the installed files: $(BUILD)/zormade_<version>_<arch>.deb.
package: build
	cd $(BUILD) && SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) cpack

# The package of the last commit built twice in two folders, compared byte for byte.
reproducible: deps
	scripts/reproducible_package.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
