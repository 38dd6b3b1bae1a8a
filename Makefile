# The front door. `make test` runs the whole suite; `make build` builds everything.
.PHONY: setup build test bench bench-words faults demo demo-interactive fuzz-long mutate clean

setup:
	@tools/setup.sh

build: setup
	@for p in native win64 win32; do cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; done
	@tools/wine/stop build/win64/wine  # the win64 build paints the skins under Wine

test:
	@tools/test-all

# Benchmarks: one program on a 480x640 screen, run at 16 bits a pixel (a device's
# screen) and again at 24; each prints one table of figures with their ratios
# against floors measured in the same run (nothing is asserted). Then word completion's
# table (bench-words).
bench: setup
	@cmake --preset win64 >/dev/null && cmake --build --preset win64 -j2 --target brevanto_bench >/dev/null
	@rc=0; for depth in 16 24; do \
	  tools/wine/run --state build/win64/wine --screen 480x640 --depth $$depth --stage build/win64/stage/bench \
	    build/win64/bin/brevanto_bench.exe || rc=$$?; echo; \
	done; tools/wine/stop build/win64/wine; $(MAKE) --no-print-directory bench-words || rc=$$?; exit $$rc

# Word completion, natively and optimised: suggestions for a prefix against a binary
# search, the dictionaries' bytes a word and memory, the taps saved on real texts.
# Vim's tutors (vim-runtime) are the German and French texts the taps are counted on.
bench-words: setup
	@tools/setup.sh vim-runtime
	@cmake --preset bench >/dev/null && nice cmake --build --preset bench -j2 --target brevanto_words_bench word_dictionaries >/dev/null
	@build/bench/bin/brevanto_words_bench build/bench/bin/words build/bench/wordlists

# The fault sweep: every call Keyboard.dll makes to a fallible function fails in turn, one
# process per call, six at a time; prints the failed runs and a summary. FAULTS_ARGS samples, e.g.
# FAULTS_ARGS='--every 50' or FAULTS_ARGS='--only WriteFile' (tools/faults/sweep).
faults: setup
	@cmake --preset win64 >/dev/null && cmake --build --preset win64 -j2 --target brevanto_faults >/dev/null
	@rc=0; nice tools/faults/sweep --jobs 6 $(FAULTS_ARGS) || rc=$$?; \
	  tools/wine/stop build/win64/wine; exit $$rc

# A scripted session on an emulated device: prints the typed text, screenshots in out/.
demo:
	@tools/demo

# The emulated device on your own display.
demo-interactive:
	@tools/demo --interactive

# Every fuzz target for FUZZ_SECONDS (default 180) each; prints executions, coverage, crashes.
fuzz-long:
	@tools/fuzz-long

# Mutation check of the natively tested logic: surviving mutants and the score.
# Options through MUTATE_ARGS, e.g. MUTATE_ARGS='--files src/skin --sample 0'.
mutate: setup
	@tools/mutate $(MUTATE_ARGS)

clean:
	@tools/wine/stop build/win64/wine; tools/wine/stop build/win64/wine-demo
	rm -rf build out
