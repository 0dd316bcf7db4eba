# Sourced by the other scripts: where caches live and how Wine is started.
# Every path can be overridden from the environment, so that two checkouts
# (or two test runs) can keep their own Wine prefix and X display.
QQSEND_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
: "${QQSEND_CACHE:=${XDG_CACHE_HOME:-$HOME/.cache}/qqsend}"
: "${QQSEND_DEPS_PREFIX:=$QQSEND_CACHE/mingw-deps}"
: "${QQSEND_WINEPREFIX:=$QQSEND_CACHE/wine-prefix}"
: "${QQSEND_BUILD:=$QQSEND_ROOT/build}"
export QQSEND_ROOT QQSEND_CACHE QQSEND_DEPS_PREFIX QQSEND_WINEPREFIX QQSEND_BUILD

# Wine sees code page 936 through the Chinese locale; only Wine gets it,
# so that compilers and tools keep speaking English.
: "${QQSEND_WINE_LANG:=zh_CN.UTF-8}"
export QQSEND_WINE_LANG

# The Win32 tests run the x86_64 build under 64-bit Wine: kernels like this
# workplace's cannot execute 32-bit programs, so wine32 is of no use there.
: "${QQSEND_WINE:=/usr/lib/wine/wine64}"
export QQSEND_WINE

wine_env() {
  env WINEPREFIX="$QQSEND_WINEPREFIX" WINEDEBUG="${WINEDEBUG:--all}" \
      WINEDLLOVERRIDES="${QQSEND_DLLOVERRIDES:-mscoree,mshtml=}" WINEARCH=win64 \
      WINELOADER="$QQSEND_WINE" \
      LANG="$QQSEND_WINE_LANG" LC_ALL="$QQSEND_WINE_LANG" "$@"
}
