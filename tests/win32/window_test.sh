#!/usr/bin/env bash
# The real Windows window under Wine, driven through xdotool in an Xvfb of its
# own: it starts with its caption, F2 starts a standard game, F3 writes
# Puhtyash.sav in the current folder, F4 reads back a file written by hand,
# Shift+Esc asks before leaving. The controls are read from the outside with
# probe.exe.
#
#   window_test.sh PUHTYASH.EXE WINDOW_PROBE.EXE
# Uses $WINEPREFIX (made when missing) and $PET_XDISPLAY (":51"; default: a
# free display). Prints "N passed, N failed" and exits non-zero on a failure.
set -uo pipefail
game=$(realpath "$1")
probe=$(realpath "$2")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$(mktemp -d /tmp/wp-window.XXXXXX)}

work=$(mktemp -d /tmp/puhtyash-window.XXXXXX)
passed=0 failed=0
check() {  # check NAME COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); echo "ok   $1"
  else failed=$((failed + 1)); echo "FAIL $1"; fi
}

# The X server, on a display of its own.
. "$(dirname "$0")/../../tools/private-display.sh"
start_private_display "$work"
game_pid=
stop() {  # stop PID: ends it, forcibly when it does not go
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 30); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$1" 2>/dev/null
}
cleanup() {
  [ -n "$game_pid" ] && stop "$game_pid"
  wineserver -k 2>/dev/null
  stop "$xvfb"
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
wineboot --init >/dev/null 2>&1

probe() { (cd "$work" && wine "$probe" "$@" 2>/dev/null | tr -d '\r'); }
caption='Пухтяш - V7700   версия 1.2.3     (c) Puhtyash team, https://puhtyash.example.org/'

(cd "$work" && exec wine "$game" >/dev/null 2>&1) &
game_pid=$!
wid=
for _ in $(seq 300); do
  wid=$(xdotool search --onlyvisible --name 'V7700' 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.1
done
check "the window appears" test -n "$wid"
[ -n "$wid" ] || { echo "$passed passed, $failed failed"; exit 1; }
sleep 1  # the first paint and the controls
check "its caption" grep -qxF "window	$caption" <(probe windows | cut -f1,3)

keys() {  # presses keys in the game's window
  xdotool windowfocus --sync "$wid" >/dev/null 2>&1
  xdotool key --clearmodifiers --delay 40 "$@"
}
save="$work/Puhtyash.sav"

watch() {  # watch MS FILE: records the window's changes for MS ms into FILE, from now on
  (cd "$work" && exec wine "$probe" watch V7700 "$1" 2>/dev/null) > "$2" &
  watcher=$!
  for _ in $(seq 200); do grep -q '^watching' "$2" && return; sleep 0.05; done
}

# F2 and at once F3: the standard game as it starts, before its first tick.
watch 2500 "$work/saved"
keys F2 F3
wait "$watcher"
check "F3 writes Puhtyash.sav in the current folder" test -s "$save"
standard() {
  for kv in Fit=50 Fed=100 Mod=120 Int=0 Wis=0 Doc=10 Fat=90 timer=0 money=500 pill=0 drug=0 cafe=0 beer=0 \
            book=0 robb=0 pistol=0 GrowthNotice=0 'Save CRC=-961582836'; do
    grep -qaF $'\n'"$kv"$'\r' "$save" || { echo "  missing $kv"; return 1; }
  done
  # code page 1251, Windows line ends
  [ "$(grep -c $'\r$' "$save")" = "$(wc -l < "$save")" ] || { echo "  a line without CR"; return 1; }
  grep -qaF "$(printf 'b===\xcd\xc5\xcd\xc0\xc4\xce ')" "$save" || { echo "  no code page 1251 text"; return 1; }
}
check "the save holds the standard game and Save CRC=-961582836" standard
check "the bubble tells of the save" grep -qF 'Клонируемся :)' "$work/saved"

# A file written by hand: the game loads it and sees it was edited. (Every
# growth notice given already, so that no box comes up.)
printf '[V-7700]\r\nFit=33\r\nFed=44\r\nMod=55\r\nInt=66\r\nWis=77\r\nDoc=88\r\nFat=22\r\ntimer=1000\r\nmoney=1234\r\npistol=1\r\nGrowthNotice=6\r\nSave CRC=12345\r\n' > "$save"
watch 3000 "$work/loaded"
keys F4
wait "$watcher"
tr -d '\r' < "$work/loaded" > "$work/loaded.txt"
check "F4 shows the file's money" grep -qP '^Static\t\d+\t1234$' "$work/loaded.txt"
check "F4 tells the file was edited" grep -qF 'Назад в ХАКНУТОЕ прошлоееее! :)' "$work/loaded.txt"
near() {  # each of the seven bars, Fit to Fat, showed the file's value give or take a tick's change
  local want=(33 44 55 66 77 88 22) ids i
  ids=($(grep -oP '^msctls_progress32\t\K\d+' "$work/loaded.txt" | sort -nu))
  [ ${#ids[@]} -eq 7 ] || { echo "  bars: ${ids[*]}"; return 1; }
  for i in 0 1 2 3 4 5 6; do
    grep -oP "^msctls_progress32\t${ids[i]}\t.*pos=\K-?\d+" "$work/loaded.txt" |
      awk -v w="${want[i]}" '$1 >= w - 3 && $1 <= w + 3 { ok = 1 } END { exit !ok }' ||
      { echo "  bar $i: $(grep -P "^msctls_progress32\t${ids[i]}\t" "$work/loaded.txt" | tr '\n' ' ')"; return 1; }
  done
}
check "F4 puts the file's stats on the bars" near

# Shift+Esc asks; No keeps the game, Yes ends it.
keys shift+Escape
box=
for _ in $(seq 50); do box=$(probe windows | grep -P '^window\t#32770\tВыход\?$'); [ -n "$box" ] && break; sleep 0.2; done
[ -n "$box" ] || probe windows
check "Shift+Esc asks before leaving" test -n "$box"
check "the question" grep -qF 'Хочешь кинуть Пухтяша на произвол судьбы? Его же съедят!!!' <(probe controls 'Выход?')
probe click 'Выход?' 7 >/dev/null
answered() {  # the box is gone and the game's window is still there
  for _ in $(seq 25); do
    probe windows | grep -qP '^window\t#32770\tВыход\?$' || break
    sleep 0.2
  done
  probe windows | grep -qxF "window	PuhtyashForm	$caption" && ! probe windows | grep -qP '\tВыход\?$'
}
check "No keeps the game running" answered
keys shift+Escape
for _ in $(seq 50); do probe click 'Выход?' 6 >/dev/null && break; sleep 0.2; done
gone() { for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || return 0; sleep 0.2; done; return 1; }
check "Yes closes it" gone

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
