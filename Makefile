# The front door. `make test` runs the whole suite; `make build` builds everything.
.PHONY: setup build test bench demo demo-interactive fuzz-long clean

setup:
	@tools/setup.sh

build: setup
	@for p in native win64 win32; do cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; done
	@tools/wine/stop build/win64/wine  # the win64 build paints the skins under Wine

test:
	@tools/test-all

# Benchmarks: print figures (nothing is asserted).
bench: setup
	@cmake --preset win64 >/dev/null && cmake --build --preset win64 -j2 >/dev/null
	@rc=0; for b in skin_load_bench paint_bench; do \
	  tools/wine/run --state build/win64/wine --screen 480x640 build/win64/bin/$$b.exe || rc=1; done; \
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

clean:
	@tools/wine/stop build/win64/wine; tools/wine/stop build/win64/wine-demo
	rm -rf build out
