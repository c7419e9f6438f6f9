#!/usr/bin/env bash
# Builds the Debian package into a temporary folder as `cpack -G DEB` does and checks it: the
# program folder and the link are in it, it has no maintainer scripts (so that apt-get remove
# leaves nothing behind), and its Depends line covers every library that its programs and
# libraries link, as dpkg-shlibdeps finds them.
#
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1

work=$(mktemp -d "${TMPDIR:-/tmp}/vexlor-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
debs=("$work"/out/vexlor_*_*.deb)
[ -f "${debs[0]}" ] || {
    echo "FAIL: cpack made no vexlor_*.deb" >&2
    exit 1
}
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = vexlor ] || fail "the package is not named vexlor"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package names no maintainer"

dpkg-deb -x "$deb" "$work/root"
[ "$(readlink "$work/root/usr/bin/vexlor")" = ../lib/vexlor/vexlor ] ||
    fail "usr/bin/vexlor is not the link to the program"
for f in vexlor vexenu.so errlex32.so vexenu.html per-user-profile; do
    [ -f "$work/root/usr/lib/vexlor/$f" ] || fail "usr/lib/vexlor/$f is missing"
done

dpkg-deb -e "$deb" "$work/control"
for script in preinst postinst prerm postrm config; do
    [ ! -e "$work/control/$script" ] || fail "the package has a $script script"
done

# Every dependency dpkg-shlibdeps finds must be in Depends, at the same or a later version.
if command -v dpkg-shlibdeps >/dev/null; then
    mkdir -p "$work/src/debian"
    printf 'Source: vexlor\n\nPackage: vexlor\nArchitecture: any\n' >"$work/src/debian/control"
    mapfile -t elves < <(find "$work/root" -type f \( -name '*.so' -o -perm -u+x \))
    needed=$(cd "$work/src" && dpkg-shlibdeps -O "${elves[@]}" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
    [ -n "$needed" ] || fail "dpkg-shlibdeps found no dependencies"
    declared=$(dpkg-deb -f "$deb" Depends)
    IFS=',' read -ra wants <<<"$needed"
    for want in "${wants[@]}"; do
        want=$(echo "$want" | xargs)
        name=${want%% *}
        version=$(echo "$want" | sed -n 's/.*(>= \(.*\))/\1/p')
        have=$(echo "$declared" | tr ',' '\n' | sed 's/^ *//' | awk -v n="$name" '$1 == n')
        have_version=$(echo "$have" | sed -n 's/.*(>= \(.*\))/\1/p')
        if [ -z "$have" ]; then
            fail "Depends lacks $want"
        elif [ -n "$version" ] && ! dpkg --compare-versions "${have_version:-0}" ge "$version"; then
            fail "Depends has $have, the programs need $want"
        fi
    done
else
    echo "dpkg-shlibdeps (dpkg-dev) is not installed: the Depends line was not checked"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures package checks failed" >&2
    exit 1
fi
echo "package $(basename "$deb"): contents, no scripts and dependencies: all checks passed"
