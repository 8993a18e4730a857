# i686 Windows: the shipped program.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VOTAROO_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
