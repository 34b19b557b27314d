# The checks of the test scripts; source it. Each check is counted and its
# result printed; end the script with checks_done.
passed=0 failed=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1)); echo "ok: $1"
  else
    failed=$((failed + 1)); echo "FAILED: $1"; echo "  expected: $2"; echo "  actual:   $3"
  fi
}
checks_done() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
