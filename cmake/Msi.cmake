# The installer, votaroo-<version>.msi (target votaroo-msi, used by tools/release.sh): the
# same programs and guide as the zip, made with msitools (wixl, msibuild) and faketime.
set(VOTAROO_MSI_DIR ${CMAKE_BINARY_DIR}/msi)
set(VOTAROO_MSI ${VOTAROO_MSI_DIR}/votaroo-${PROJECT_VERSION}.msi)

# Windows Installer versions are major.minor.build with at most 255.255.65535.
if(PROJECT_VERSION_MAJOR GREATER 255 OR PROJECT_VERSION_MINOR GREATER 255 OR PROJECT_VERSION_PATCH GREATER 65535)
  message(FATAL_ERROR "the version ${PROJECT_VERSION} does not fit an installer's 255.255.65535")
endif()

# Never changes: a package under this code replaces any other version of the game. The product
# code follows the version and the component codes never change, both derived from it.
set(VOTAROO_UPGRADE_CODE D46BC3B4-7E18-4CCE-BB65-0EBC148CF195)
string(UUID VOTAROO_PRODUCT_CODE NAMESPACE ${VOTAROO_UPGRADE_CODE}
       NAME "product ${PROJECT_VERSION}" TYPE SHA1 UPPER)
foreach(_c Programs Shortcuts Trace)
  string(TOUPPER ${_c} _C)
  string(UUID VOTAROO_${_C}_GUID NAMESPACE ${VOTAROO_UPGRADE_CODE} NAME "component ${_c}" TYPE SHA1 UPPER)
endforeach()

find_program(VOTAROO_WIXL wixl)
find_program(VOTAROO_MSIBUILD msibuild)
find_program(VOTAROO_FAKETIME faketime)
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  # The package is of the shipped 32-bit programs ("Intel" in its summary) only.
  add_custom_target(votaroo-msi
    COMMAND ${CMAKE_COMMAND} -E echo "the installer is made from the 32-bit programs: preset mingw32"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
elseif(VOTAROO_WIXL AND VOTAROO_MSIBUILD AND VOTAROO_FAKETIME AND TARGET votaroo-report)
  add_custom_command(OUTPUT ${VOTAROO_MSI} ${VOTAROO_MSI}.sha256
    COMMAND ${CMAKE_COMMAND}
      -DWIXL=${VOTAROO_WIXL} -DMSIBUILD=${VOTAROO_MSIBUILD} -DFAKETIME=${VOTAROO_FAKETIME}
      -DWXS=${CMAKE_SOURCE_DIR}/installer/votaroo.wxs -DSTAGE=${VOTAROO_MSI_DIR}/stage
      -DOUT=${VOTAROO_MSI} -DVERSION=${PROJECT_VERSION}
      -DFILE_VERSION=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0
      -DEPOCH=${VOTAROO_SOURCE_DATE_EPOCH} -DUPGRADE_CODE=${VOTAROO_UPGRADE_CODE}
      -DPRODUCT_CODE=${VOTAROO_PRODUCT_CODE} -DPROGRAMS_GUID=${VOTAROO_PROGRAMS_GUID}
      -DSHORTCUTS_GUID=${VOTAROO_SHORTCUTS_GUID} -DTRACE_GUID=${VOTAROO_TRACE_GUID}
      -DGAME=$<TARGET_FILE:votaroo> -DREPORT=$<TARGET_FILE:votaroo-report>
      -DGUIDE=${CMAKE_BINARY_DIR}/release/README.txt -DICON=${CMAKE_SOURCE_DIR}/resources/votaroo.ico
      -P ${CMAKE_SOURCE_DIR}/cmake/MakeMsi.cmake
    DEPENDS votaroo votaroo-report ${CMAKE_SOURCE_DIR}/installer/votaroo.wxs
            ${CMAKE_SOURCE_DIR}/cmake/MakeMsi.cmake ${CMAKE_BINARY_DIR}/release/README.txt
            ${CMAKE_SOURCE_DIR}/resources/votaroo.ico
    COMMENT "Making the installer votaroo-${PROJECT_VERSION}.msi"
    VERBATIM)
  add_custom_target(votaroo-msi DEPENDS ${VOTAROO_MSI})
else()
  add_custom_target(votaroo-msi
    COMMAND ${CMAKE_COMMAND} -E echo "the installer needs wixl, msibuild and faketime: bash tools/setup.sh"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
endif()
