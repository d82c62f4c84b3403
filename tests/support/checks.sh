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
