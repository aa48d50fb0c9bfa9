#!/usr/bin/env bash
# Makes the Debian package from a build tree and checks it as a user's machine
# meets it: its control data, its files, that every dependency it declares is
# satisfied here, the desktop entry and metainfo it ships, and that the
# command-line tool runs from the unpacked package.
#
# usage: check_deb.sh BUILD_DIR WORK_DIR PACKAGE_VERSION DISPLAYED_VERSION with-windows|without-windows
set -euo pipefail

build_dir=$1
work_dir=$2
package_version=$3
displayed_version=$4
windows=$5

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
[[ $windows == with-windows ]] && required_packages+=(libqt6widgets6 libqt6gui6 libqt6core6)
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
expected_files=(./usr/bin/korvel-solve)
icon_sizes=(16 32 48 128 256)
if [[ $windows == with-windows ]]; then
  expected_files+=(
    ./usr/bin/korvel
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

solve=$root/usr/bin/korvel-solve
version=$("$solve" --version) || fail "korvel-solve --version failed"
[[ $version == "korvel-solve $displayed_version" ]] ||
  fail "korvel-solve --version printed '$version', not korvel-solve $displayed_version"
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
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.korvel.korvel.metainfo.xml" ||
    fail "the metainfo does not validate"
  grep -qF "<release version=\"$displayed_version\"" "$root/usr/share/metainfo/org.korvel.korvel.metainfo.xml" ||
    fail "the metainfo does not announce release $displayed_version"
  for size in "${icon_sizes[@]}"; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/org.korvel.korvel.png
    file --brief "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not a $size pixel PNG"
  done
fi

echo "package $(basename "$deb") checked: $(wc -l <<<"$contents") entries, depends on: $depends"
