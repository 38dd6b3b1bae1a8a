# The front door. `make test` runs the whole suite; `make build` builds everything.
.PHONY: setup build test clean

setup:
	@tools/setup.sh

build: setup
	@for p in native win64 win32; do cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; done

test:
	@tools/test-all

clean:
	@tools/wine/stop build/win64/wine
	rm -rf build out
