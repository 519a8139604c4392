# Shared set-up for scripts/run-demo.sh and scripts/test-all.sh (source it, bash only).
# Installs what is missing, makes 32-bit Wine usable, builds the trees, keeps a Wine
# prefix in the build folder, starts Xvfb and wineserver, and stops what it started.
# Nothing runs at source time: the callers pick the functions they need.

SORVANO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SORVANO_BUILD=${SORVANO_BUILD:-$SORVANO_ROOT/build}
SORVANO_NATIVE_DIR=$SORVANO_BUILD/native
SORVANO_WIN_DIR=$SORVANO_BUILD/win
SORVANO_JOBS=${SORVANO_JOBS:-2}

# The Windows side runs in a Japanese locale, as on the operators' machines; the
# program itself does not depend on it (it converts from code page 932 on its own).
SORVANO_WINE_LANG=${SORVANO_WINE_LANG:-ja_JP.UTF-8}

SORVANO_PACKAGES=(
  cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev locales
  g++-mingw-w64-i686-posix mingw-w64-tools wine wine32:i386 wine64
  xvfb xauth fonts-ipafont-gothic fonts-ipafont-mincho x11-apps netpbm imagemagick
  libxlsxwriter-dev libz-mingw-w64-dev python3
  clang libclang-rt-14-dev
)

# Bump when the prefix recipe below changes, so that old prefixes are made again.
SORVANO_PREFIX_STAMP=sorvano-prefix-v2

sorvano_log() { printf '[sorvano] %s\n' "$*" >&2; }
sorvano_die() { sorvano_log "error: $*"; exit 1; }

sorvano_missing_packages() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q ' installed$' || echo "$package"
  done
}

sorvano_apt_install() {
  [ "$(id -u)" = 0 ] || sorvano_die "not root: please install $*"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" >/dev/null
}

# apt-get update runs only when something has to be installed.
sorvano_install_packages() {
  local missing=()
  mapfile -t missing < <(sorvano_missing_packages "${SORVANO_PACKAGES[@]}")
  [ ${#missing[@]} -eq 0 ] && return 0
  sorvano_log "installing: ${missing[*]}"
  [ "$(id -u)" = 0 ] || sorvano_die "not root: please install ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq >/dev/null
  sorvano_apt_install "${missing[@]}"
}

sorvano_i386_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

sorvano_qemu_major() {
  local version
  version=$(/usr/bin/qemu-i386 --version 2>/dev/null | sed -n 's/.*version \([0-9]*\)\..*/\1/p')
  echo "${version:-0}"
}

# Some hosts run 64-bit user code only: the kernel refuses every i386 executable,
# wine32's loader included. There 32-bit Wine runs under qemu's user-mode emulation,
# which binfmt_misc starts transparently. qemu before 8.1 ignores MAP_FIXED_NOREPLACE
# and Wine then cannot lay out its address space, hence the backports build on
# Debian 12.
sorvano_ensure_i386() {
  sorvano_i386_runs && return 0
  sorvano_log "this kernel does not run i386 programs: using qemu-i386 through binfmt_misc"
  [ "$(id -u)" = 0 ] || sorvano_die "not root: cannot set up qemu-i386 for 32-bit Wine"
  if [ "$(sorvano_qemu_major)" -lt 9 ]; then
    local codename
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    if [ "$codename" = bookworm ]; then
      if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        cat > /etc/apt/sources.list.d/bookworm-backports.sources <<'EOF'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
      fi
      apt-get update -qq >/dev/null
      sorvano_apt_install --no-install-recommends -t bookworm-backports qemu-user
    else
      apt-get update -qq >/dev/null
      sorvano_apt_install --no-install-recommends qemu-user
    fi
    [ "$(sorvano_qemu_major)" -ge 9 ] || sorvano_die "qemu-i386 9 or newer is needed"
  fi
  local binfmt=/proc/sys/fs/binfmt_misc
  [ -e $binfmt/register ] || mount -t binfmt_misc binfmt_misc $binfmt \
    || sorvano_die "cannot mount binfmt_misc"
  [ -e $binfmt/sorvano-i386 ] && echo -1 > $binfmt/sorvano-i386
  # ELF, 32-bit, little-endian, executable or shared object, machine i386.
  printf '%s' ':sorvano-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' \
    > $binfmt/register || sorvano_die "cannot register qemu-i386 with binfmt_misc"
  sorvano_i386_runs || sorvano_die "32-bit Wine still does not start"
}

sorvano_ensure_locale() {
  local name=${SORVANO_WINE_LANG%%.*}
  locale -a 2>/dev/null | grep -qix "$name.utf8" && return 0
  sorvano_log "generating the locale $SORVANO_WINE_LANG"
  localedef -i "$name" -f UTF-8 "$SORVANO_WINE_LANG"
}

# Everything a fresh machine lacks, in order.
sorvano_prepare_machine() {
  sorvano_install_packages
  sorvano_ensure_i386
  sorvano_ensure_locale
}

sorvano_configure_native() {
  cmake -S "$SORVANO_ROOT" -B "$SORVANO_NATIVE_DIR" -G Ninja -DSORVANO_SANITIZE=ON >/dev/null
}

# The fuzzing tree: clang with libFuzzer and both sanitizers, the harnesses only.
SORVANO_FUZZ_DIR=$SORVANO_BUILD/fuzz
sorvano_configure_fuzz() {
  CC=clang CXX=clang++ cmake -S "$SORVANO_ROOT" -B "$SORVANO_FUZZ_DIR" -G Ninja \
    -DSORVANO_FUZZ=ON -DSORVANO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
}

sorvano_build_fuzz() {
  sorvano_configure_fuzz && cmake --build "$SORVANO_FUZZ_DIR" -j "$SORVANO_JOBS" --target sorvano_fuzzers
}

sorvano_configure_win() {
  sorvano_ensure_mingw_xlsxwriter || return 1
  cmake -S "$SORVANO_ROOT" -B "$SORVANO_WIN_DIR" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$SORVANO_ROOT/cmake/mingw-i686.cmake" -DSORVANO_BENCH=OFF \
    -DSORVANO_MINGW_XLSXWRITER="$SORVANO_MINGW_XLSXWRITER" >/dev/null
}

# libxlsxwriter for the Windows tree: Debian ships it for Linux only, so its Debian source
# package is fetched once (through a source list of its own, leaving the system's apt
# lists alone) and built with MinGW-w64 and Debian's zlib for MinGW-w64.
SORVANO_MINGW_XLSXWRITER=$SORVANO_BUILD/mingw-xlsxwriter
sorvano_ensure_mingw_xlsxwriter() {
  [ -f "$SORVANO_MINGW_XLSXWRITER/lib/libxlsxwriter.a" ] && return 0
  sorvano_log "building libxlsxwriter for MinGW-w64 from Debian's source package"
  local work=$SORVANO_BUILD/mingw-xlsxwriter-src
  rm -rf "$work"
  mkdir -p "$work/lists/partial"
  echo "deb-src http://deb.debian.org/debian bookworm main" > "$work/sources.list"
  local apt_options=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/lists")
  (cd "$work" && apt-get "${apt_options[@]}" update -qq >/dev/null 2>&1 &&
    apt-get "${apt_options[@]}" source --download-only -qq libxlsxwriter >/dev/null 2>&1) \
    || { sorvano_log "error: cannot fetch the libxlsxwriter source package"; return 1; }
  local tarball
  tarball=$(ls "$work"/libxlsxwriter_*.orig.tar.* | head -n1)
  mkdir -p "$work/source" && tar -xf "$tarball" -C "$work/source" --strip-components=1 || return 1
  cmake -S "$work/source" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$SORVANO_ROOT/cmake/mingw-i686.cmake" -DBUILD_TESTS=OFF \
    -DBUILD_EXAMPLES=OFF -DUSE_SYSTEM_MINIZIP=OFF \
    -DCMAKE_INSTALL_PREFIX="$SORVANO_MINGW_XLSXWRITER" >/dev/null &&
    cmake --build "$work/build" -j "$SORVANO_JOBS" >/dev/null &&
    cmake --install "$work/build" >/dev/null \
    || { sorvano_log "error: libxlsxwriter did not build for MinGW-w64"; return 1; }
  rm -rf "$work"
}

# True when the Windows tree defines the target (targets of parts still being written
# may not exist yet).
sorvano_win_has_target() {
  cmake --build "$SORVANO_WIN_DIR" --target help 2>/dev/null | grep -q "^$1:"
}

sorvano_wine_env() {
  export WINEPREFIX=${SORVANO_WINEPREFIX:-$SORVANO_BUILD/wineprefix}
  export WINEARCH=win32
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
}

# Font replacements so that Japanese text shows, a default virtual desktop so that
# windows get frames and every wine process shares one desktop, and no crash dialog
# (a crashing program ends instead of waiting for a click). Wine has a "Fixedsys" of its
# own, which a replacement does not override and which lacks letters ("M" is a block):
# a substitute, which applies before the face is looked up, maps it to IPAGothic.
sorvano_prefix_registry() {
  cat <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAGothic"
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAGothic"
"Meiryo"="IPAGothic"
"Meiryo UI"="IPAGothic"
"MS Mincho"="IPAMincho"
"MS PMincho"="IPAMincho"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"Fixedsys"="IPAGothic"
"Fixedsys,128"="IPAGothic,128"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

EOF
}

# The prefix is made once and kept; a half-made one (no stamp) is made again.
sorvano_ensure_prefix() {
  sorvano_wine_env
  [ -f "$WINEPREFIX/$SORVANO_PREFIX_STAMP" ] && return 0
  sorvano_log "creating the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  LANG=$SORVANO_WINE_LANG wineboot -i >/dev/null 2>&1 || sorvano_die "wineboot failed"
  local reg_file=$WINEPREFIX/sorvano-prefix.reg
  { printf '\xff\xfe'; sorvano_prefix_registry | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } > "$reg_file"
  LANG=$SORVANO_WINE_LANG wine regedit /S "$reg_file" >/dev/null 2>&1 \
    || sorvano_die "cannot write the prefix settings"
  wineserver -w
  touch "$WINEPREFIX/$SORVANO_PREFIX_STAMP"
}

SORVANO_XVFB_PID=
SORVANO_WINESERVER_STARTED=

# Xvfb picks a free display number itself (-displayfd) and reports it when ready.
sorvano_start_xvfb() {
  local display_file
  display_file=$(mktemp)
  mkdir -p "$SORVANO_BUILD"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" \
    >"$SORVANO_BUILD/xvfb.log" 2>&1 &
  SORVANO_XVFB_PID=$!
  local tries=0
  while [ ! -s "$display_file" ]; do
    kill -0 "$SORVANO_XVFB_PID" 2>/dev/null || sorvano_die "Xvfb did not start (see $SORVANO_BUILD/xvfb.log)"
    tries=$((tries + 1))
    [ $tries -le 200 ] || sorvano_die "Xvfb did not report a display within 20 s"
    sleep 0.1
  done
  DISPLAY=":$(head -n1 "$display_file")"
  export DISPLAY
  rm -f "$display_file"
  sorvano_log "Xvfb on display $DISPLAY"
}

# A persistent wineserver saves every wine start about 3 s. Wine's background services
# start with the session's first program and keep its standard output open: started
# here, they hold /dev/null instead of a pipe that ctest or tee waits on.
sorvano_start_wineserver() {
  sorvano_wine_env
  wineserver -p
  SORVANO_WINESERVER_STARTED=1
  LANG=$SORVANO_WINE_LANG wine wineboot </dev/null >/dev/null 2>&1 || true
}

sorvano_stop_started() {
  if [ -n "$SORVANO_WINESERVER_STARTED" ]; then
    # -k only asks; -w waits until the server and its programs are gone, so that the
    # next session cannot attach to a dying server.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    SORVANO_WINESERVER_STARTED=
  fi
  if [ -n "$SORVANO_XVFB_PID" ]; then
    kill "$SORVANO_XVFB_PID" 2>/dev/null || true
    wait "$SORVANO_XVFB_PID" 2>/dev/null || true
    SORVANO_XVFB_PID=
  fi
}

sorvano_screenshot() {
  xwd -root -silent -display "$DISPLAY" | xwdtopnm 2>/dev/null | pnmtopng > "$1"
}
