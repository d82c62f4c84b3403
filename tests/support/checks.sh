# For the shell tests, sourced: a scratch folder that goes when the test ends, and failures
# counted and reported by `finish`.
work=$(mktemp -d)
cleanup() { chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# finish <what passed>: exit 1 after any failure.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
  fi
  echo "$1"
}

# need_tools <tool...>: skip the test (exit 77, with the reason) when one is missing.
need_tools() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed (scripts/setup installs it)"
      exit 77
    fi
  done
}

# need_display: skip the test when there is no X server to run on.
need_display() {
  if [ -z "${DISPLAY:-}" ]; then
    echo "SKIP: no X server (DISPLAY is not set); make test runs this under xvfb-run"
    exit 77
  fi
}
