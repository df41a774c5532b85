#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what landed there:
# the files, the desktop entry, the AppStream metainfo, the systemd examples,
# and that the installed tokivane-cli reports the project version.
# A validator that is not installed is skipped with a note (scripts/install-deps
# installs them all).
#   install_test.sh BUILD_DIR VERSION APP_ID GUI(ON|OFF) BINDIR DATADIR MANDIR DOCDIR
set -uo pipefail
build=$1 version=$2 app_id=$3 gui=$4 bindir=$5 datadir=$6 mandir=$7 docdir=$8

prefix=$(mktemp -d "${TMPDIR:-/tmp}/tokivane-install-XXXXXX")
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
skip() { echo "SKIP: $*"; }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log"; rm -f "$prefix.log"
  echo "FAIL: cmake --install"; exit 1
fi
rm -f "$prefix.log"

expected=(
  "$bindir/tokivane-cli"
  "$mandir/man1/tokivane-cli.1.gz"
  "$docdir/README.md"
  "$docdir/data-safety.md"
  "$docdir/copyright"
  "$docdir/examples/systemd/tokivane-punch-in.service"
  "$docdir/examples/systemd/tokivane-punch-out.service"
  "$docdir/examples/systemd/tokivane-punch-in.desktop"
  "$docdir/examples/systemd/README.md"
)
if [ "$gui" = ON ]; then
  expected+=(
    "$bindir/tokivane"
    "$datadir/applications/$app_id.desktop"
    "$datadir/metainfo/$app_id.metainfo.xml"
    "$datadir/icons/hicolor/scalable/apps/$app_id.svg"
    "$docdir/help/index.html"
  )
  for size in 16 22 24 32 48 64 128 256; do
    expected+=("$datadir/icons/hicolor/${size}x${size}/apps/$app_id.png")
  done
fi
for f in "${expected[@]}"; do
  [ -f "$prefix/$f" ] || fail "missing $f"
done
for program in tokivane tokivane-cli drowsel; do
  [ -e "$prefix/$bindir/$program" ] && { [ -x "$prefix/$bindir/$program" ] || fail "$program is not executable"; }
done
[ -e "$build/bin/drowsel" ] && { [ -x "$prefix/$bindir/drowsel" ] || fail "drowsel is built but not installed beside tokivane"; }

# Each PNG is the size its folder says (width and height sit at bytes 16..23).
if [ "$gui" = ON ]; then
  for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/$datadir/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$png" ] || continue
    dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
    read -r w0 w1 w2 w3 h0 h1 h2 h3 <<<"$dims"
    w=$(( (w0 << 24) | (w1 << 16) | (w2 << 8) | w3 )) h=$(( (h0 << 24) | (h1 << 16) | (h2 << 8) | h3 ))
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$png is ${w}x${h}, not ${size}x${size}"
  done
fi

got=$("$prefix/$bindir/tokivane-cli" --version 2>&1)
[ "$got" = "tokivane-cli $version" ] || fail "tokivane-cli --version says '$got', not 'tokivane-cli $version'"

desktop_files=("$prefix/$docdir/examples/systemd/tokivane-punch-in.desktop")
[ "$gui" = ON ] && desktop_files+=("$prefix/$datadir/applications/$app_id.desktop")
if command -v desktop-file-validate >/dev/null; then
  for f in "${desktop_files[@]}"; do
    [ -f "$f" ] || continue
    out=$(desktop-file-validate "$f" 2>&1) || fail "desktop-file-validate $f: $out"
    # Hints are advice; errors and warnings are not.
    if grep -qE ': (error|warning):' <<<"$out"; then fail "desktop-file-validate $f: $out"; fi
  done
else
  skip "desktop-file-validate not installed (package desktop-file-utils)"
fi

if [ "$gui" = ON ]; then
  if command -v appstreamcli >/dev/null; then
    out=$(appstreamcli validate --no-net "$prefix/$datadir/metainfo/$app_id.metainfo.xml" 2>&1) ||
      fail "appstreamcli validate: $out"
    grep -q "<release version=\"$version\"" "$prefix/$datadir/metainfo/$app_id.metainfo.xml" ||
      fail "the metainfo has no release $version"
  else
    skip "appstreamcli not installed (package appstream)"
  fi
fi

# The units name tokivane-cli bare (systemd looks in /usr/bin and /usr/local/bin);
# here they are checked against the copy just installed.
if command -v systemd-analyze >/dev/null; then
  units=$(mktemp -d "${TMPDIR:-/tmp}/tokivane-units-XXXXXX")
  mkdir -m 0700 "$units/run"
  for u in tokivane-punch-in.service tokivane-punch-out.service; do
    sed "s#=tokivane-cli #=$prefix/$bindir/tokivane-cli #" "$prefix/$docdir/examples/systemd/$u" >"$units/$u"
  done
  if XDG_RUNTIME_DIR="$units/run" systemd-analyze --user verify "$units/tokivane-punch-in.service" \
      >/dev/null 2>"$units/probe" || ! grep -q "Failed to initialize manager" "$units/probe"; then
    for u in tokivane-punch-in.service tokivane-punch-out.service; do
      out=$(XDG_RUNTIME_DIR="$units/run" systemd-analyze --user verify "$units/$u" 2>&1) ||
        fail "systemd-analyze --user verify $u: $out"
    done
  else
    skip "systemd-analyze cannot start a user manager here: $(head -1 "$units/probe")"
  fi
  rm -rf "$units"
else
  skip "systemd-analyze not installed (package systemd)"
fi

if [ "$failures" -gt 0 ]; then
  echo "install test: $failures failure(s)"; exit 1
fi
echo "install test: ${#expected[@]} files in place, validators passed"
