# Shared by the batch tool's script tests: sourced with the tool's path in $cli.
set -u
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
failed=0
fail() { echo "FAIL: $*"; failed=1; }
# expect_status WANT COMMAND...: runs the command and checks its exit status.
expect_status() {
  local want=$1; shift
  "$@"
  local got=$?
  [ "$got" = "$want" ] || fail "'$*' exited with $got, expected $want"
}
# same_bytes FILE BYTES: the file holds exactly the bytes (printf format).
same_bytes() {
  local file=$1 want
  want=$(mktemp)
  printf "$2" > "$want"
  cmp -s "$want" "$file" || { fail "$file differs"; od -c "$file" | head -20; }
  rm -f "$want"
}
finish() {
  [ "$failed" = 0 ] && echo ok
  exit "$failed"
}
