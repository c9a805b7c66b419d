# Sourced by the measuring scripts (benchmark, profile): builds what they run,
# starts the Wine test bed and prepares a tools folder in $work with the
# settings and the inputs of a run. start_cads N then keeps N stand-in CADs
# running there; they and the bed are stopped when the script ends.
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win32
if ! "$root/scripts/runs-32bit"; then
  # No 32-bit programs here: measure the 64-bit build (scripts/test-windows).
  cmake --preset win64 >/dev/null
  build=$root/build/win64
fi
testbed=("$root/scripts/testbed" "$build/testbed")

cmake --build "$build" --target pinmark labelpen gaugeread setupkit standin mbwatch floor \
  discovery_benchmark desktop_warmup >/dev/null
"${testbed[@]}" start "$build/tests/win32/desktop_warmup.exe"
eval "$("${testbed[@]}" env)"
win() { printf 'Z:%s' "${1//\//\\}"; }

rm -rf "$work" && mkdir -p "$work"
cp "$build/tools/pinmark.exe" "$build/tools/labelpen.exe" "$build/tools/gaugeread.exe" \
  "$build/tests/win32/floor.exe" "$work/"
printf '[Main]\r\nACADName=acad\r\nCommandCaption=Command Line\r\nMainCaption=StandIn CAD 2024\r\nTextCaption=StandIn CAD Text Window\r\nMainCmdCtrlID=1001\r\nTextCmdCtrlID=1002\r\nMainHistCtrlID=1003\r\nTextHistCtrlID=1004\r\n' >"$work/ZuDuv.ini"
printf 'line\r\n0,0\r\n10,0\r\n10,10\r\n0,10\r\n0,0\r\n' >"$work/senten.txt"
printf '2.5 0\r\nA\r\n' >"$work/mojidata.txt"
# What a macro passes to each tool.
declare -A tool_arguments=([pinmark]="" [labelpen]="" [gaugeread]="+1 3 4 C:\\book.xlsm")

cads=()
start_cads() {
  local count=$1
  for i in $(seq "${#cads[@]}" $((count - 1))); do
    mkdir -p "$work/cad$i"
    cp "$build/standin/standin.exe" "$work/cad$i/acad.exe"
    wine "$work/cad$i/acad.exe" --support "$(win "$work")" --journal "$(win "$work/cad$i/journal.jsonl")" \
      >/dev/null 2>&1 &
    cads+=($!)
    for _ in $(seq 100); do grep -q '"ready"' "$work/cad$i/journal.jsonl" 2>/dev/null && break; sleep 0.1; done
  done
}
trap 'kill "${cads[@]}" 2>/dev/null || true; "${testbed[@]}" stop' EXIT

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
