#!/usr/bin/env bash
# Makes the Debian package from a build tree and checks it as a user's machine
# and a distribution meet it: its control data, its files, that every dependency
# it declares is satisfied here, the hardening of its programs, its man pages,
# licence and changelog, the desktop entry and metainfo it ships, that the
# command-line tool runs from the unpacked package, and that lintian finds no
# error and no warning.
#
# usage: check_deb.sh BUILD_DIR WORK_DIR VERSION DEBIAN_REVISION with-windows|without-windows
#   VERSION is the four-part version (2.1.0.1); the programs show it as 2.01.0001.
set -euo pipefail

build_dir=$1
work_dir=$2
version=$3
debian_revision=$4
windows=$5

package_version=$version-$debian_revision
IFS=. read -r major minor _ tweak <<<"$version"
displayed_version=$(printf '%d.%02d.%04d' "$major" "$minor" "$tweak")

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

rm -rf "$work_dir"
mkdir -p "$work_dir"
(cd "$build_dir" && cpack -G DEB --config CPackConfig.cmake -B "$work_dir/out") >"$work_dir/cpack.log" 2>&1 ||
  { cat "$work_dir/cpack.log" >&2; fail "cpack could not make the package"; }
debs=("$work_dir"/out/*.deb)
((${#debs[@]} == 1)) && [[ -f ${debs[0]} ]] || fail "expected one .deb in $work_dir/out, found: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == korvel ]] || fail "package name is '$(field Package)', not korvel"
[[ $(field Version) == "$package_version" ]] || fail "package version is '$(field Version)', not $package_version"

depends=$(field Depends)
required_packages=(libc6 libstdc++6)
[[ $windows == with-windows ]] && required_packages+=(libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation fonts-comic-neue)
for package in "${required_packages[@]}"; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
    fail "Depends lacks $package: $depends"
done

# Every dependency, "name (op version)" with "|" between alternatives, must be met
# by a package installed here: this machine is the clean target the package is for.
installed_version() {
  dpkg-query -W -f='${db:Status-Abbrev} ${Version}\n' "$1" 2>/dev/null | awk '$1 == "ii" { print $2; exit }'
}
satisfied() {
  local name op version have
  read -r name op version <<<"$(sed -E 's/[()]//g' <<<"$1")"
  have=$(installed_version "$name")
  [[ -n $have ]] || return 1
  [[ -z $op ]] || dpkg --compare-versions "$have" "$op" "$version"
}
IFS=',' read -ra dependencies <<<"$depends"
for dependency in "${dependencies[@]}"; do
  met=no
  IFS='|' read -ra alternatives <<<"$dependency"
  for alternative in "${alternatives[@]}"; do
    satisfied "$alternative" && met=yes && break
  done
  [[ $met == yes ]] || fail "dependency not satisfied on this machine:$dependency"
done

listing=$(dpkg-deb --contents "$deb")
not_root=$(awk '$2 != "root/root" { print $6 }' <<<"$listing")
[[ -z $not_root ]] || fail "files not owned by root: $not_root"
contents=$(awk '{ print $6 }' <<<"$listing")
expected_files=(
  ./usr/bin/korvel-solve
  ./usr/share/man/man1/korvel-solve.1.gz
  ./usr/share/doc/korvel/copyright
  ./usr/share/doc/korvel/changelog.Debian.gz
)
icon_sizes=(16 32 48 128 256)
if [[ $windows == with-windows ]]; then
  expected_files+=(
    ./usr/bin/korvel
    ./usr/share/man/man1/korvel.1.gz
    ./usr/share/applications/org.korvel.korvel.desktop
    ./usr/share/mime/packages/org.korvel.korvel.xml
    ./usr/share/metainfo/org.korvel.korvel.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/org.korvel.korvel.svg
  )
  for size in "${icon_sizes[@]}"; do
    expected_files+=("./usr/share/icons/hicolor/${size}x${size}/apps/org.korvel.korvel.png")
  done
fi
for file in "${expected_files[@]}"; do
  grep -qxF "$file" <<<"$contents" || fail "package lacks $file"
done

root=$work_dir/root
dpkg-deb --extract "$deb" "$root"

for program in "$root"/usr/bin/*; do
  file --brief "$program" | grep -q ', stripped' || fail "$program is not stripped"
  ! ldd "$program" | grep -q 'not found' || fail "$program needs a library that is not here: $(ldd "$program" | grep 'not found')"
done

# Every object of the build keeps plain IEEE arithmetic and the stack protector,
# and an optimising build fortifies library calls.
commands=$(grep -E '^ *"command": ' "$build_dir/compile_commands.json")
required_flags=(-ffp-contract=off -fno-fast-math -fstack-protector-strong)
optimised=no
grep -qE '^CMAKE_BUILD_TYPE:[A-Z]+=(Release|RelWithDebInfo|MinSizeRel)$' "$build_dir/CMakeCache.txt" && optimised=yes
[[ $optimised == yes ]] && required_flags+=(-D_FORTIFY_SOURCE=2)
for flag in "${required_flags[@]}"; do
  without=$(grep -vF -- " $flag " <<<"$commands" | head -n 1 || true)
  [[ -z $without ]] || fail "compiled without $flag: ${without:0:300}"
done

# Hardened as Debian builds its programs: position-independent, read-only
# relocations bound at start, stack protector and, when optimised, fortified
# library calls (where the compiler can check a call).
fortified=no
for program in "$root"/usr/bin/*; do
  headers=$(readelf --wide --file-header --program-headers --dynamic "$program")
  grep -qE 'Type: +DYN' <<<"$headers" || fail "$program is not position-independent"
  grep -qE '\(FLAGS_1\).*\bPIE\b' <<<"$headers" || fail "$program is not marked PIE"
  grep -q 'GNU_RELRO' <<<"$headers" || fail "$program has no read-only relocations"
  grep -qE '\(FLAGS\).*\bBIND_NOW\b|\(BIND_NOW\)' <<<"$headers" || fail "$program does not bind at start"
  symbols=$(readelf --wide --dyn-syms "$program")
  grep -q '__stack_chk_fail' <<<"$symbols" || fail "$program has no stack protector"
  grep -qE '__[a-z]+_chk@' <<<"$symbols" && fortified=yes
done
[[ $optimised == no || $fortified == yes ]] || fail "no program calls a fortified library function"

# The licence in Debian's machine-readable form, and a changelog entry for this very version.
doc=$root/usr/share/doc/korvel
head -n 1 "$doc/copyright" | grep -qF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
grep -qx 'License: MIT' "$doc/copyright" || fail "the copyright file names no MIT licence"
latest_entry=$(zcat "$doc/changelog.Debian.gz" | sed -n 1p)
[[ $latest_entry == "korvel ($package_version) "* ]] ||
  fail "the changelog does not start with $package_version: $latest_entry"

# Each man page renders without complaint and names its program.
for page in "$root"/usr/share/man/man1/*.1.gz; do
  name=$(basename "$page" .1.gz)
  complaints=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [[ -z $complaints ]] || fail "man page $name: $complaints"
  rendered=$(MANWIDTH=80 man -l -Tutf8 "$page" 2>/dev/null | col -b)
  grep -qE "^ +$name - " <<<"$rendered" || fail "man page $name has no NAME line"
done

solve=$root/usr/bin/korvel-solve
version=$("$solve" --version) || fail "korvel-solve --version failed"
[[ $version == "korvel-solve $displayed_version" ]] ||
  fail "korvel-solve --version printed '$version', not korvel-solve $displayed_version"
# The man page describes every option the program knows.
solve_page=$(MANWIDTH=80 man -l -Tutf8 "$root/usr/share/man/man1/korvel-solve.1.gz" 2>/dev/null | col -b)
options=$("$solve" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)
for option in $options; do
  grep -qF -- "$option" <<<"$solve_page" || fail "the korvel-solve man page does not describe $option"
done
json=$("$solve" --span 16 --load U4.V=10 --format json) || fail "korvel-solve could not solve span 16 with 10 at U4"
lengths=$(grep -oE '"lengths":\{[^}]*\}' <<<"$json") || fail "no lengths in the JSON result: $json"
grep -qF '"L0L1":"2.5"' <<<"$lengths" || fail "L0L1 length is not 2.5 for span 16: $lengths"

if [[ $windows == with-windows ]]; then
  desktop=$root/usr/share/applications/org.korvel.korvel.desktop
  desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
  grep -qx 'Exec=korvel %f' "$desktop" || fail "the desktop entry does not start korvel with the file opened"
  grep -qx 'MimeType=application/x-korvel-case+json;' "$desktop" || fail "the desktop entry does not open load cases"
  mime=$root/usr/share/mime/packages/org.korvel.korvel.xml
  mkdir -p "$work_dir/mime/packages" && cp "$mime" "$work_dir/mime/packages/"
  update-mime-database "$work_dir/mime" || fail "the load case file type does not build a MIME database"
  grep -qx '60:application/x-korvel-case+json:\*.korvel.json' "$work_dir/mime/globs2" ||
    fail "*.korvel.json files are not load cases in the MIME database"
  grep -qx 'Icon=org.korvel.korvel' "$desktop" || fail "the desktop entry names another icon"
  # Menus file the program under exactly one of the registered main categories.
  main_categories=$(grep -m1 '^Categories=' "$desktop" | cut -d= -f2- | tr ';' '\n' |
    grep -cxE 'AudioVideo|Audio|Video|Development|Education|Game|Graphics|Network|Office|Science|Settings|System|Utility' || true)
  ((main_categories == 1)) || fail "the desktop entry has $main_categories main categories, not one"
  appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/org.korvel.korvel.metainfo.xml" ||
    fail "the metainfo does not validate"
  grep -qF "<release version=\"$displayed_version\"" "$root/usr/share/metainfo/org.korvel.korvel.metainfo.xml" ||
    fail "the metainfo does not announce release $displayed_version"
  grep -qF '<launchable type="desktop-id">org.korvel.korvel.desktop</launchable>' "$root/usr/share/metainfo/org.korvel.korvel.metainfo.xml" ||
    fail "the metainfo does not launch the installed desktop entry"
  grep -qF '<project_license>MIT</project_license>' "$root/usr/share/metainfo/org.korvel.korvel.metainfo.xml" ||
    fail "the metainfo names no MIT licence"
  for size in "${icon_sizes[@]}"; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/org.korvel.korvel.png
    file --brief "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not a $size pixel PNG"
  done
fi

# Errors and warnings fail; informational and pedantic tags are shown for the reader.
lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "$deb" ||
  fail "lintian finds errors or warnings in $(basename "$deb")"

echo "package $(basename "$deb") checked: $(wc -l <<<"$contents") entries, depends on: $depends"
