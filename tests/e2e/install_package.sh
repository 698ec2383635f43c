#!/usr/bin/env bash
# The program installed as a desktop program: the installed desktop entry and
# metainfo validate, the icons have the sizes their folders say; the Debian
# package holds the same layout, and its program started as an unprivileged
# user keeps its control file in that user's ~/.config/TabdeckV10/ and leaves
# the unpacked tree as it was. --help, --version and an unknown option touch
# no file.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"
chmod 755 "$work"
id=example.fernhollow.TabdeckV10

inst=$work/inst
cmake --install "$build" --prefix "$inst" >/dev/null
desktop-file-validate "$inst/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$inst/share/metainfo/$id.metainfo.xml" || fail "metainfo"
[[ -f $inst/share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon"
for size in 16 32 48 64 128; do
    png=$inst/share/icons/hicolor/${size}x${size}/apps/$id.png
    got=$(/usr/bin/python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$png")
    [[ $got == "${size}x${size}" ]] || fail "$png is $got"
done
[[ $(readlink "$inst/bin/TabdeckV10") == ../lib/tabdeckv10/TabdeckV10 ]] || fail "bin link"

# The package.
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { tail "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$build"/package/tabdeckv10_*.deb | head -1)
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "dependencies not from the libraries: $(dpkg-deb -f "$deb" Depends)"
root=$work/root
dpkg-deb -x "$deb" "$root"
for f in usr/lib/tabdeckv10/TabdeckV10 usr/lib/tabdeckv10/Icons usr/lib/tabdeckv10/ExtensiveHelp.hlp \
    usr/lib/tabdeckv10/EditHelp.txt usr/share/applications/$id.desktop \
    usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/48x48/apps/$id.png; do
    [[ -e $root/$f ]] || fail "the package lacks $f"
done
[[ -L $root/usr/bin/TabdeckV10 ]] || fail "the package lacks the bin link"
snapshot() { (cd "$root" && find . -printf '%p %s %T@ %m\n' | sort); }
snapshot >"$work/before.lst"
home=$work/home
mkdir -p "$home"
chown nobody "$home"
status=0
timeout 5 runuser -u nobody -- env HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/TabdeckV10" >"$work/run.log" 2>&1 || status=$?
[[ $status -eq 124 ]] || { cat "$work/run.log"; fail "the installed program ended with $status"; }
[[ -s $home/.config/TabdeckV10/TabdeckV10.INI ]] || fail "no control file in ~/.config/TabdeckV10"
[[ $(stat -c %U "$home/.config/TabdeckV10/TabdeckV10.INI") == nobody ]] || fail "control file owner"
snapshot | diff "$work/before.lst" - || fail "the unpacked tree changed"

# The command line: nothing is created, neither beside the program nor at home.
cl=$work/cl
mkdir -p "$cl/prog" "$cl/home"
cp "$exe" "$cl/prog/TabdeckV10"
(cd "$cl/prog" && HOME=$cl/home ./TabdeckV10 --help) | grep -q -- --version || fail "--help"
(cd "$cl/prog" && HOME=$cl/home ./TabdeckV10 --version) | grep -q '^TabdeckV10 [0-9]' || fail "--version"
status=0
err=$(cd "$cl/prog" && HOME=$cl/home ./TabdeckV10 --frobnicate 2>&1 >/dev/null) || status=$?
[[ $status -eq 2 && $(wc -l <<<"$err") -eq 1 ]] || fail "unknown option: status $status, '$err'"
[[ $(ls -A "$cl/prog") == TabdeckV10 && -z $(ls -A "$cl/home") ]] || fail "files were made: $(ls -AR "$cl")"

# What a packager checks: lintian finds no error and no warning beyond the
# spellings the menu texts require (overridden in the package itself).
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
        { cat "$work/lintian.log"; fail "lintian"; }
    ! grep -E '^(E|W):' "$work/lintian.log" || fail "lintian complains"
fi
[[ -f $root/usr/share/man/man1/TabdeckV10.1.gz ]] || fail "no manual page"
file "$root/usr/lib/tabdeckv10/TabdeckV10" | grep -q ', stripped' || fail "the program is not stripped"
ls "$build"/package/tabdeckv10-dbgsym_*.ddeb "$build"/package/tabdeckv10-dbgsym_*.deb >/dev/null 2>&1 ||
    ls "$build"/package/*dbgsym* >/dev/null 2>&1 || fail "no debug symbols package"
dpkg-deb -f "$deb" Depends | grep -q libqt6svg6 || fail "no dependency on the SVG icon engine"

# Installed for real, run once as root and once as a user, then removed:
# the install folder holds only what the package put there, and is gone after.
if [[ $(id -u) -eq 0 && -n ${CI:-}${TABDECK_DPKG_TEST:-} ]] && ! dpkg -s tabdeckv10 >/dev/null 2>&1; then
    dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i"; }
    listed=$(dpkg -L tabdeckv10 | grep '^/usr/lib/tabdeckv10/' | sort)
    roothome=$work/roothome
    mkdir -p "$roothome"
    status=0
    timeout 5 env HOME="$roothome" XDG_CONFIG_HOME="$roothome/.config" QT_QPA_PLATFORM=offscreen \
        /usr/bin/TabdeckV10 >"$work/rootrun.log" 2>&1 || status=$?
    [[ $status -eq 124 ]] || { cat "$work/rootrun.log"; dpkg -r tabdeckv10 >/dev/null; fail "as root it ended with $status"; }
    [[ -s $roothome/.config/TabdeckV10/TabdeckV10.INI ]] || { dpkg -r tabdeckv10 >/dev/null; fail "root's control file is not in its config folder"; }
    present=$(find /usr/lib/tabdeckv10 -mindepth 1 | sort)
    status=0
    timeout 5 runuser -u nobody -- env HOME="$home" QT_QPA_PLATFORM=offscreen \
        /usr/bin/TabdeckV10 >"$work/userrun.log" 2>&1 || status=$?
    dpkg -r tabdeckv10 >"$work/dpkg-r.log" 2>&1 || { cat "$work/dpkg-r.log"; fail "dpkg -r"; }
    [[ $status -eq 124 ]] || { cat "$work/userrun.log"; fail "as a user it ended with $status"; }
    [[ $present == "$listed" ]] || fail "running as root wrote into the install folder: $(comm -13 <(echo "$listed") <(echo "$present"))"
    [[ ! -e /usr/lib/tabdeckv10 ]] || fail "dpkg -r left $(find /usr/lib/tabdeckv10)"
    echo "dpkg -i, run as root and as a user, dpkg -r: nothing left in /usr/lib/tabdeckv10"
fi
echo "installed, packaged ($(dpkg-deb -f "$deb" Depends)), started as nobody, command line clean"
