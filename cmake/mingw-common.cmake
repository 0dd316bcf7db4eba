# Shared by the mingw-w64 toolchain files; MINGW_TRIPLE names the target.
# The posix thread model is used: the win32 one lacks std::mutex, which
# GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
# Libraries cross-built by scripts/build-libpng-mingw live in a cache folder.
if(DEFINED ENV{QQSEND_DEPS_PREFIX})
  set(deps_prefix $ENV{QQSEND_DEPS_PREFIX}/${MINGW_TRIPLE})
else()
  set(deps_prefix $ENV{HOME}/.cache/qqsend/mingw-deps/${MINGW_TRIPLE})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${deps_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
