#!/usr/bin/env bash
# read_only.sh BUILD SOURCE DRIVER
#
# Installs BUILD into a temporary prefix, makes the prefix read-only and
# starts the installed program offscreen from there with a temporary HOME
# (heatcalc --quit-after-start), as an ordinary user when run as root (root
# would write through the read-only modes). Checks that:
#  - the working files appear in the user's data folder, the store as the
#    factory copy, the shipped read-only files as links into the prefix;
#  - a save lands there (the scenario driver on the folder the program chose);
#  - a second program on the same files asks first and, answered no, opens
#    nothing; after the first is killed (a crash) the next starts without
#    asking, says it took the stale lock over and removes the half-written
#    save the crash left (and nothing of the user's);
#  - nothing in the prefix changed.
set -euo pipefail
build=$1 source=$2 driver=$3

work=$(mktemp -d)
first=""
cleanup() {
  [ -n "$first" ] && kill -9 "$first" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share/heatcalc
for f in bin/heatcalc bin/heatcalc-batch share/heatcalc/G1de-ta/heatworkA.csv share/heatcalc/text/usage.txt \
         share/heatcalc/G1de-ta/haikan_risuto.csv; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ ! -e "$share/G1de-ta/heatwork.csv" ] || fail "a working store is shipped"
for d in siryou formtext; do
  shipped=$(ls "$share/$d" | wc -l) sources=$(ls "$source/data/$d" | wc -l)
  [ "$shipped" = "$sources" ] || fail "$d: $shipped files installed, $sources in data/$d"
done
chmod -R a-w "$prefix"
listing() { (cd "$prefix" && find . -printf '%p %s %m %T@\n' | LC_ALL=C sort); }
before=$(listing)

# The user: nobody when run as root, with a home of its own.
chmod 755 "$work"
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
as=()
if [ "$(id -u)" = 0 ]; then
  chown -R 65534:65534 "$work/home" "$work/run"
  as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/run
export QT_QPA_PLATFORM=offscreen
user=$XDG_DATA_HOME/heatcalc
start() { (cd / && "${as[@]}" "$prefix/bin/heatcalc" --quit-after-start); }

# ---- the first start sets up the user's folder
out=$(start) || fail "the first start ended with $?: $out"
echo "$out"
grep -qxF "folder: $user" <<<"$out" || fail "working folder is not $user"
! grep -q '^message:\|^confirm:' <<<"$out" || fail "the start-up showed a message"
cmp -s "$user/G1de-ta/heatwork.csv" "$share/G1de-ta/heatworkA.csv" || fail "the store is not the factory copy"
[ -d "$user/memo" ] && [ -d "$user/memocsv" ] || fail "memo folders missing"
for entry in G1de-ta/hoonzai_atsusa.csv G1de-ta/hoonzai_hiyou.csv G1de-ta/hoonzai_zairyou.csv G1de-ta/gaisou_zairyou.csv \
             G1de-ta/haikan_risuto.csv; do
  [ -f "$user/$entry" ] && [ ! -L "$user/$entry" ] || fail "$entry is not a copy the engineer can edit"
done
for entry in siryou formtext text G1de-ta/heatworkA.csv; do
  [ -L "$user/$entry" ] || fail "$entry is not a link"
  [ "$(readlink -f "$user/$entry")" = "$(readlink -f "$share/$entry")" ] || fail "$entry points elsewhere"
done
[ ! -e "$user/G1de-ta/heatcalc.lock" ] || fail "the lock outlived the program"

# ---- the installed command on the user's copy of the template, with its PDF module
out=$(cd / && "${as[@]}" "$prefix/bin/heatcalc-batch" "$user/G1de-ta/haikan_risuto.csv" \
        -o "$work/home/schedule.csv" --pdf "$work/home/schedule.pdf" 2>&1) || fail "heatcalc-batch ended with $?: $out"
[ -s "$work/home/schedule.csv" ] && [ -s "$work/home/schedule.pdf" ] || fail "heatcalc-batch wrote no schedule: $out"
iconv -f CP932 -t UTF-8 "$work/home/schedule.csv" | grep -qF "$user/G1de-ta/heatwork.csv" ||
  fail "heatcalc-batch did not take the user's saved conditions"

# ---- a save lands in the user's folder
saved=$(printf 'set Edit1 150\nset Edit4 140\nset Edit21 160\nset Edit8 777\nclick Button6\nexpect store 5 11 = 777\n' |
        "${as[@]}" "$driver" --dir "$user") || fail "the save run failed: $saved"
grep -q '^message: デ－タを保存しました' <<<"$saved" || fail "no save message: $saved"
! cmp -s "$user/G1de-ta/heatwork.csv" "$share/G1de-ta/heatworkA.csv" || fail "the saved store is unchanged"
grep -aq ',777' "$user/G1de-ta/heatwork.csv" || fail "the saved value is not in the store"
cp "$user/G1de-ta/heatwork.csv" "$work/saved.csv"

# ---- a second program on the same files
(cd / && exec "${as[@]}" "$prefix/bin/heatcalc") >"$work/first.log" 2>&1 &
first=$!
for _ in $(seq 100); do
  [ -e "$user/G1de-ta/heatcalc.lock" ] && break
  sleep 0.2
done
[ -e "$user/G1de-ta/heatcalc.lock" ] || fail "the first window took no lock: $(cat "$work/first.log")"
out=$(start) || fail "the second start ended with $?"
echo "$out"
grep -q '^confirm: 確認: 作業フォルダ .*別のウィンドウ.*で開かれています.* -> no$' <<<"$out" ||
  fail "the second program did not ask"

# ---- the first ends without removing its lock; a save of it was cut short
{ kill -9 "$first" && wait "$first"; } 2>/dev/null || true
first=""
[ -e "$user/G1de-ta/heatcalc.lock" ] || fail "the killed program's lock is gone already"
"${as[@]}" touch "$user/G1de-ta/.heatcalc-unfinished-k3x9q0ab.tmp" "$user/G1de-ta/heatwork.csv.Backup" \
  "$user/memo/notes.txt.backup"
out=$(start) || fail "the start after the crash ended with $?"
echo "$out"
! grep -q '^confirm:' <<<"$out" || fail "a crashed program's lock blocked the start"
grep -q '^message: .*ロックファイル.*使われていないもの' <<<"$out" || fail "the stale lock was taken over unsaid"
[ ! -e "$user/G1de-ta/.heatcalc-unfinished-k3x9q0ab.tmp" ] || fail "the half-written save was not removed"
[ -e "$user/memo/notes.txt.backup" ] && [ -e "$user/G1de-ta/heatwork.csv.Backup" ] ||
  fail "a file of the user's was removed"
cmp -s "$user/G1de-ta/heatwork.csv" "$work/saved.csv" || fail "the saved store changed at a later start"

[ "$(listing)" = "$before" ] || fail "the read-only prefix changed"
echo "read-only install: working files in $user"
