# Cross build for Windows with MinGW-w64 (posix threads, for std::thread in GoogleTest), for the
# processor and triple that mingw32.cmake or mingw64.cmake set before including this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VOTAROO_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VOTAROO_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VOTAROO_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VOTAROO_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
