#!/usr/bin/env bash
# Writes that fail: standard output full or closed, a closed pipe, an output folder that is not
# writable, a read-only target, an unreadable input, a full disk. Each run exits 1 with the
# path and the system's reason, and leaves every existing file as it was.
cli=$1
source "$(dirname "$0")/common.bash"

printf 'b\r\na\r\n' > in.txt

expect_status 1 "$cli" sort -q in.txt > /dev/full 2> full.err
same_bytes full.err '注意：无法写入文件：标准输出\nNo space left on device\n'

expect_status 1 "$cli" sort -q in.txt >&- 2> closed.err
same_bytes closed.err '注意：无法写入文件：标准输出\nBad file descriptor\n'

# With standard error closed, no file the tool opens may take its place and receive the messages.
expect_status 0 "$cli" sort in.txt -o closed-err.txt 2>&-
same_bytes closed-err.txt 'a\r\nb\r\n'
expect_status 0 "$cli" sort -q in.txt -o closed-in.txt <&-
rm closed-in.txt
expect_status 1 "$cli" sort -o closed-in.txt <&- 2> closed-in.err
same_bytes closed-in.err '注意：无法读取文件：标准输入\nBad file descriptor\n'
[ -e closed-in.txt ] && fail "a run without input wrote its output"

seq 1 300000 > many.txt
"$cli" sort -q many.txt 2> pipe.err | head -c 10 > /dev/null
status=${PIPESTATUS[0]}
[ "$status" = 1 ] || fail "closed pipe: exit status $status"
same_bytes pipe.err '注意：无法写入文件：标准输出\nBroken pipe\n'

if [ "$(id -u)" = 0 ]; then
  as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
  chmod 755 "$tmp"
  mkdir shared && chmod 777 shared && cp in.txt shared/in.txt && chmod 644 shared/in.txt

  mkdir shared/locked && chmod 555 shared/locked
  expect_status 1 as_nobody "$cli" sort -q shared/in.txt -o shared/locked/out.txt 2> locked.err
  same_bytes locked.err '注意：无法写入文件：shared/locked/out.txt\nPermission denied\n'
  [ -z "$(ls -A shared/locked)" ] || fail "something was created in the locked folder"

  printf 'old\r\n' > shared/readonly.txt && chmod 444 shared/readonly.txt
  expect_status 1 as_nobody "$cli" sort -q shared/in.txt -o shared/readonly.txt 2> readonly.err
  same_bytes readonly.err '注意：无法写入文件：shared/readonly.txt\nPermission denied\n'
  same_bytes shared/readonly.txt 'old\r\n'

  cp in.txt shared/secret.txt && chmod 000 shared/secret.txt
  printf 'old\r\n' > shared/out.txt && chmod 666 shared/out.txt
  expect_status 1 as_nobody "$cli" sort -q shared/secret.txt -o shared/out.txt 2> secret.err
  same_bytes secret.err '注意：无法读取文件：shared/secret.txt\nPermission denied\n'
  same_bytes shared/out.txt 'old\r\n'
  [ "$(ls -A shared | tr '\n' ' ')" = "in.txt locked out.txt readonly.txt secret.txt " ] ||
    fail "files left in shared: $(ls -A shared)"

  # A full disk: a tiny file system in a private mount namespace, gone when the command ends.
  mkdir small
  if unshare -m sh -c "mount -t tmpfs -o size=64k tmpfs small && printf 'old\r\n' > small/out.txt &&
      '$cli' sort -q many.txt -o small/out.txt 2> small.err; echo \$? > status.txt;
      cp small/out.txt kept.txt; ls -A small > left.txt" 2> /dev/null; then
    [ "$(cat status.txt)" = 1 ] || fail "full disk: exit status $(cat status.txt)"
    grep -q 'No space left on device' small.err || fail "full disk message"
    same_bytes kept.txt 'old\r\n'
    [ "$(cat left.txt)" = "out.txt" ] || fail "full disk left: $(cat left.txt)"
  else
    echo "no private mount namespace here: full disk not tested"
  fi
else
  echo "not root: permission cases not tested"
fi
finish
