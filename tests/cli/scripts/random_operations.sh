#!/usr/bin/env bash
# The operations that draw random numbers: their results have the right shape and lose or add
# no line, whatever was drawn.
cli=$1
source "$(dirname "$0")/common.bash"
export LC_ALL=C

seq 1 1000 | sed 's/$/\r/' > in.txt
"$cli" shuffle -q in.txt -o shuffled.txt || fail "shuffle failed"
cmp -s <(sort in.txt) <(sort shuffled.txt) || fail "shuffle changed the lines"
cmp -s in.txt shuffled.txt && fail "shuffle left 1000 lines in order"

printf 'a\r\nb\r\n' > two.txt
"$cli" generate -q -d , 'ID\3\-*2*-$2$' two.txt -o generated.txt || fail "generate failed"
[ "$(wc -l < generated.txt)" = 2 ] || fail "generate changed the number of lines"
grep -acP '^[ab],ID[1-9]{3}-[a-z]{2}-[\xB0-\xDA]{4}\r$' generated.txt | grep -q '^2$' ||
  { fail "generated lines have the wrong shape"; od -c generated.txt; }
finish
