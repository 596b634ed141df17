#!/usr/bin/env bash
# Install test of the Debian package, as a user would meet it:
#   packaging/install-test.sh [BUILD_DIR]      (default: build, as ./velmora.sh test leaves it)
# builds the .deb in BUILD_DIR (configured as a Release build without tests or benchmarks if it is
# not configured yet), checks it with lintian, installs it with apt-get, runs both
# installed programs on the installed sample figure, checks the manual pages, desktop
# entry, AppStream metadata, icons and the HTML manual (every page's links and pictures
# installed, both manual pages naming it), then purges it and checks that nothing of it remains.
# Needs root or sudo. It leaves the machine as it found it: every package that the install
# pulled in is purged again and the list of installed packages must end as it began. If
# velmora is installed already, the test refuses to run rather than remove it.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build}
app_id=io.github.velmora.Velmora
examples=/usr/share/doc/velmora/examples
manual=/usr/share/doc/velmora/manual
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

say() { echo "install test: $*"; }
fail() {
  echo "install test: FAILED: $*" >&2
  exit 1
}
expect_text() {  # expect_text FILE TEXT WHAT
  grep -qF -- "$2" "$1" || fail "$3 do not contain \"$2\"; they end with:
$(tail -n 15 "$1")"
}
package_state() {  # every package present (installed or with its configuration left), with its version
  dpkg-query -W -f='${binary:Package} ${Version} ${db:Status-Abbrev}\n' | awk '$3 != "un"' | LC_ALL=C sort
}
velmora_status() { dpkg-query -W -f='${db:Status-Abbrev}' velmora 2>/dev/null || true; }

case "$(velmora_status)" in
  "" | un*) ;;
  *) fail "velmora is already installed here (dpkg status \"$(velmora_status | tr -d " ")\"); this test installs and purges the package and would remove it. Run 'apt-get purge velmora' first or run the test on another machine." ;;
esac

work=$(mktemp -d)
chmod 755 "$work"  # apt reads the .deb as its unprivileged user
installed=false
state_before=$work/packages-before
cleanup() {
  local status=$?
  if $installed; then
    say "removing what the failed test installed"
    remove_installed_packages || true
  fi
  rm -rf "$work"
  exit $status
}
trap cleanup EXIT
remove_installed_packages() {  # purge velmora and every package the install pulled in
  local pulled_in
  $sudo apt-get purge -y -qq velmora >/dev/null
  pulled_in=$(LC_ALL=C comm -13 <(awk '{print $1}' "$state_before") <(package_state | awk '{print $1}'))
  if [ -n "$pulled_in" ]; then
    # shellcheck disable=SC2086  # one word per package name
    $sudo apt-get purge -y -qq $pulled_in >/dev/null
  fi
  installed=false
}

say "building the package in $build_dir"
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMORA_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build_dir" -j "$(nproc)" >/dev/null
(cd "$build_dir" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || fail "cpack could not build the package: $(tail -5 "$work/cpack.log")"
debs=("$work"/deb/velmora_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then fail "cpack made no single velmora_*.deb in $work/deb"; fi
deb=${debs[0]}
say "$(basename "$deb"): $(stat -c %s "$deb") bytes"

# libxlsxwriter is loaded when a workbook is begun, so no linked library names it.
dpkg-deb -f "$deb" Depends | grep -q "libxlsxwriter4" || fail "the package does not depend on libxlsxwriter4"

say "lintian"
lintian --fail-on error,warning --display-info "$deb" 2> >(grep -v "root privileges" >&2) ||
  fail "lintian found errors or warnings in $(basename "$deb")"

say "installing with apt-get"
package_state >"$state_before"
# The paths of the package that exist before it is installed (shared folders such as
# /usr/share/man/man1): only those may remain after the purge.
dpkg-deb -c "$deb" >"$work/deb-contents" || fail "dpkg-deb cannot list $deb"
awk '{print substr($6, 2)}' "$work/deb-contents" | sed 's|/$||' | grep -v '^$' >"$work/deb-paths"
: >"$work/paths-before"
while read -r path; do
  if [ -e "$path" ]; then echo "$path" >>"$work/paths-before"; fi
done <"$work/deb-paths"
installed=true
$sudo apt-get install -y -qq "$deb" >/dev/null || fail "apt-get install $deb"
[ "$(velmora_status)" = "ii " ] || fail "velmora is not installed after apt-get install ($(velmora_status))"
dpkg -L velmora >"$work/package-files"

# The programs run as a user would, with a home of their own so that nothing they keep
# (settings, font caches) stays behind.
run=$work/run
mkdir -p "$run/home" "$run/runtime"
chmod 700 "$run/runtime"
run_installed() {
  (cd "$run" && env HOME="$run/home" XDG_CONFIG_HOME="$run/home/.config" XDG_CACHE_HOME="$run/home/.cache" \
    XDG_RUNTIME_DIR="$run/runtime" QT_QPA_PLATFORM=offscreen "$@")
}

say "velmora-cli on the sample figure"
status=0
run_installed /usr/bin/velmora-cli --replies "$examples/sample-figure.txt" --report report.txt compute print \
  >"$run/console.txt" 2>"$run/console-errors.txt" || status=$?
[ "$status" -eq 0 ] || fail "velmora-cli exited with $status: $(tail -n 5 "$run/console-errors.txt")"
expect_text "$run/console.txt" "最弱点相对中误差 1/m : 1/245461" "velmora-cli's results"
expect_text "$run/console.txt" "由A点推算 Xp1 : 3560.413" "velmora-cli's results"
expect_text "$run/report.txt" "由 A 点推算待定点 : xp1= 3560.413" "velmora-cli's report lines"
expect_text "$run/report.txt" "1/m= 1/245461" "velmora-cli's report lines"

say "velmora-cli writes a workbook (libxlsxwriter, loaded when a workbook is begun)"
status=0
run_installed /usr/bin/velmora-cli batch "$examples/figures.csv" --xlsx figures.xlsx \
  >"$run/batch.jsonl" 2>"$run/batch-errors.txt" || status=$?
[ "$status" -eq 0 ] || fail "velmora-cli batch --xlsx exited with $status: $(tail -n 5 "$run/batch-errors.txt")"
unzip -p "$run/figures.xlsx" xl/workbook.xml | grep -q "成果" || fail "the workbook velmora-cli wrote has no sheet 成果"

say "velmora on the sample figure, offscreen, into a PDF"
status=0
run_installed /usr/bin/velmora --replies "$examples/sample-figure.txt" --pdf report.pdf \
  >"$run/window.txt" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "velmora exited with $status: $(tail -n 5 "$run/window.txt")"
pdftotext -layout "$run/report.pdf" "$run/report-pdf.txt" || fail "pdftotext could not read velmora's PDF"
expect_text "$run/report-pdf.txt" "由 A 点推算待定点 : xp1= 3560.413" "the PDF report's lines"
expect_text "$run/report-pdf.txt" "w(4)= 5.80 单位" "the PDF report's lines"

say "the programs' versions"
package_version=$(dpkg-query -W -f='${Version}' velmora)
for program in velmora-cli velmora; do
  run_installed "/usr/bin/$program" --version >"$run/version.txt" 2>&1 || fail "$program --version failed"
  [ "$(head -n 1 "$run/version.txt")" = "$program $package_version" ] ||
    fail "$program --version says \"$(head -n 1 "$run/version.txt")\", the package is $package_version"
done

say "manual pages, desktop entry, AppStream metadata and icons"
for page in velmora velmora-cli; do
  [ "$(man -w "$page")" = "/usr/share/man/man1/$page.1.gz" ] || fail "man -w $page does not find the installed page"
  warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page $page(1) gives warnings: $warnings"
done
appstreamcli validate --no-net --explain "/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli rejects the installed metainfo"
hints=$(desktop-file-validate "/usr/share/applications/$app_id.desktop" 2>&1) ||
  fail "desktop-file-validate rejects the installed desktop entry: $hints"
[ -z "$hints" ] || fail "desktop-file-validate has remarks on the desktop entry: $hints"
for size in 16 32 48 64 128 256; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/velmora.png
  file "$icon" | grep -qF "$size x $size" || fail "$icon is not a $size x $size image"
done
[ -f /usr/share/icons/hicolor/scalable/apps/velmora.svg ] || fail "no scalable icon"

say "the HTML manual"
[ -f "$manual/index.html" ] || fail "the manual is not installed: no $manual/index.html"
grep -qxF "Index: $manual/index.html" /usr/share/doc-base/velmora-manual ||
  fail "the manual is not registered with doc-base"
for page in "$manual"/*.html; do
  while read -r target; do
    [ -f "$manual/$target" ] || fail "the installed manual's $(basename "$page") refers to $target, which is not installed"
  done < <(grep -o '\(href\|src\)="[^"#]*' "$page" | sed 's/^[a-z]*="//' | grep -v '^$' | sort -u)
done
for page in velmora velmora-cli; do
  zgrep -qF "$manual/index.html" "/usr/share/man/man1/$page.1.gz" || fail "$page(1) does not name the manual"
done

say "purging"
remove_installed_packages
[ "$(velmora_status)" = "" ] || [ "$(velmora_status)" = "un " ] ||
  fail "velmora is still known to dpkg after the purge ($(velmora_status))"
while read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then
    grep -qxF -- "$path" "$work/paths-before" || fail "$path is left after the purge"
  fi
done <"$work/package-files"
diff <(cat "$state_before") <(package_state) >"$work/package-changes" ||
  fail "the installed packages differ from before the test: $(cat "$work/package-changes")"

say "passed in ${SECONDS} s"
