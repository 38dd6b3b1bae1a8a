# The front door. `make test` runs the whole suite; `make build` builds everything.
.PHONY: setup build test clean fuzz-long

setup:
	@tools/setup.sh

build: setup
	@for p in native win64 win32; do cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; done

test:
	@tools/test-all

# Every fuzz target for FUZZ_SECONDS (default 180) each; prints executions, coverage, crashes.
fuzz-long:
	@tools/fuzz-long

clean:
	@tools/wine/stop build/win64/wine
	rm -rf build out
