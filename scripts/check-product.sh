#!/usr/bin/env bash
# Checks a built Tarnwick.exe: the expected PE kind (PE32 for i686, PE32+ for x86_64), the GUI
# subsystem, the embedded manifest, and imports from system DLLs only.
#   check-product.sh EXE i686|x86_64
set -euo pipefail
exe=$1 arch=$2
dump=$("$arch-w64-mingw32-objdump" -p "$exe")
fail() { echo "FAIL: $exe: $*"; exit 1; }
case $arch in
    i686) grep -q 'Magic[[:space:]]*010b' <<<"$dump" || fail "not a PE32 image" ;;
    x86_64) grep -q 'Magic[[:space:]]*020b' <<<"$dump" || fail "not a PE32+ image" ;;
esac
grep -q 'Subsystem[[:space:]]*00000002' <<<"$dump" || fail "not a GUI executable"
system_dlls=' kernel32.dll user32.dll gdi32.dll gdiplus.dll shell32.dll comctl32.dll ole32.dll
    oleaut32.dll advapi32.dll msvcrt.dll uxtheme.dll msimg32.dll shlwapi.dll imm32.dll
    winmm.dll dwmapi.dll version.dll '
while read -r dll; do
    lower=$(echo "$dll" | tr 'A-Z' 'a-z')
    [[ $system_dlls == *" $lower"[[:space:]]* ]] || fail "imports $dll, which is not a system DLL"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
grep -q "\.rsrc" <<<"$("$arch-w64-mingw32-objdump" -h "$exe")" || fail "has no resources"
grep -aq 'Microsoft.Windows.Common-Controls' "$exe" || fail "has no common controls manifest"
grep -aq 'PerMonitorV2' "$exe" || fail "is not per-monitor DPI aware"
echo "ok: $exe is a $arch GUI executable importing only system DLLs"
