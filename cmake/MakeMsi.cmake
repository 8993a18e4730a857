# Makes the installer (cmake -P, from cmake/Msi.cmake): the files staged with the commit's
# time, wixl run on a clock held at that time, then msibuild sets what wixl 0.101 cannot say
# or says wrong. The same inputs give the same bytes.
foreach(_var WIXL MSIBUILD FAKETIME WXS STAGE OUT VERSION FILE_VERSION EPOCH UPGRADE_CODE PRODUCT_CODE
             PROGRAMS_GUID SHORTCUTS_GUID TRACE_GUID GAME REPORT GUIDE ICON)
  if("${${_var}}" STREQUAL "")
    message(FATAL_ERROR "MakeMsi.cmake: ${_var} is not given")
  endif()
endforeach()

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
file(COPY "${GAME}" "${REPORT}" "${GUIDE}" "${ICON}" DESTINATION "${STAGE}")
set(_staged votaroo.exe votaroo-report.exe README.txt votaroo.ico)
foreach(_f ${_staged})
  if(NOT EXISTS "${STAGE}/${_f}")
    message(FATAL_ERROR "MakeMsi.cmake: ${_f} is missing from the staged files")
  endif()
endforeach()
# The cabinet stores each file's modification time, and the install gives it to the file.
execute_process(COMMAND touch -d @${EPOCH} ${_staged} WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "MakeMsi.cmake: cannot set the staged files' times")
endif()

# The package code names these very bytes: it changes with any file, the source or the version.
set(_digest "${VERSION}")
foreach(_f ${_staged})
  file(SHA256 "${STAGE}/${_f}" _h)
  string(APPEND _digest " ${_h}")
endforeach()
file(SHA256 "${WXS}" _h)
string(APPEND _digest " ${_h}")
string(UUID _package_code NAMESPACE ${UPGRADE_CODE} NAME "package ${_digest}" TYPE SHA1 UPPER)

# wixl and msibuild stamp the summary's creation and save times from the clock.
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP _clock "%Y-%m-%d %H:%M:%S" UTC)
set(_held ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} "${_clock}")

# The class preset's components, one a key of votaroo.ini, their codes derived as the others'.
set(_preset_keys Operations Copies Highest Pace Sounds Practice Language Players)
set(_preset_defines)
foreach(_k ${_preset_keys})
  string(UUID _g NAMESPACE ${UPGRADE_CODE} NAME "component Preset${_k}" TYPE SHA1 UPPER)
  list(APPEND _preset_defines -D Preset${_k}Guid=${_g})
endforeach()

set(_tmp "${OUT}.part")
file(REMOVE "${_tmp}" "${OUT}" "${OUT}.sha256")
execute_process(COMMAND ${_held} ${WIXL} -a x86 -o "${_tmp}"
    -D Version=${VERSION} -D ProductCode=${PRODUCT_CODE} -D UpgradeCode=${UPGRADE_CODE}
    -D ProgramsGuid=${PROGRAMS_GUID} -D ShortcutsGuid=${SHORTCUTS_GUID} -D TraceGuid=${TRACE_GUID}
    ${_preset_defines} "${WXS}"
  WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  file(REMOVE "${_tmp}")
  message(FATAL_ERROR "MakeMsi.cmake: wixl failed (${_rc})")
endif()

# What wixl 0.101 leaves out or gets wrong:
# - the revision number (package code) is random: set it to the one derived above;
# - HKMU is written as 4, not -1 (the user's hive, or the machine's with ALLUSERS=1);
# - no permanent components: the log folder's is made one here;
# - RemoveFolder has no Directory: the folder is always the component's own;
# - the programs' versions are not read into the File table;
# - the old version is removed after the new one is installed: remove it first, as WiX
#   does by default, so nothing depends on the file version rules.
# - no component conditions and no IniFile table: the class preset's components are
#   installed only when their property is given, and each writes its key of votaroo.ini
#   beside the programs (action 0: add or replace the line); the standard actions write the
#   keys and take them out again when the component is removed.
# (msibuild takes -s alone: after it, further options are misread.)
execute_process(COMMAND ${_held} ${MSIBUILD} "${_tmp}"
    -s "Votaroo! ${VERSION}" Tarvel "Intel;1033" "{${_package_code}}"
  RESULT_VARIABLE _rc)
if(_rc EQUAL 0)
  execute_process(COMMAND ${_held} ${MSIBUILD} "${_tmp}"
    -q "UPDATE `Registry` SET `Root` = -1"
    -q "UPDATE `Component` SET `Attributes` = 16 WHERE `Component` = 'TraceFolder'"
    -q "UPDATE `RemoveFile` SET `DirProperty` = 'UserPrograms' WHERE `FileKey` = 'RemoveUserPrograms'"
    -q "UPDATE `File` SET `Version` = '${FILE_VERSION}' WHERE `File` = 'votaroo.exe' OR `File` = 'votaroo_report.exe'"
    -q "UPDATE `InstallExecuteSequence` SET `Sequence` = 1401 WHERE `Action` = 'RemoveExistingProducts'"
    # The class preset's properties are passed on to the installing service also where the
    # install is elevated for the user (a quoted argument: its semicolons stay).
    -q "UPDATE `Property` SET `Value` = 'WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED;OPERATIONS;COPIES;HIGHEST;PACE;SOUNDS;PRACTICE;LANGUAGE;PLAYERS' WHERE `Property` = 'SecureCustomProperties'"
    RESULT_VARIABLE _rc)
endif()
if(_rc EQUAL 0)
  set(_preset_queries
    -q "CREATE TABLE `IniFile` (`IniFile` CHAR(72) NOT NULL, `FileName` CHAR(255) NOT NULL LOCALIZABLE, `DirProperty` CHAR(72), `Section` CHAR(96) NOT NULL LOCALIZABLE, `Key` CHAR(128) NOT NULL LOCALIZABLE, `Value` CHAR(255) NOT NULL LOCALIZABLE, `Action` SHORT NOT NULL, `Component_` CHAR(72) NOT NULL PRIMARY KEY `IniFile`)"
    -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('RemoveIniValues', 3800)"
    -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('WriteIniValues', 5100)")
  foreach(_k ${_preset_keys})
    string(TOUPPER ${_k} _p)
    list(APPEND _preset_queries
      -q "UPDATE `Component` SET `Condition` = '${_p}' WHERE `Component` = 'Preset${_k}'"
      -q "INSERT INTO `IniFile` (`IniFile`, `FileName`, `DirProperty`, `Section`, `Key`, `Value`, `Action`, `Component_`) VALUES ('Preset${_k}', 'votaroo.ini', 'INSTALLDIR', 'Votaroo', '${_k}', '[${_p}]', 0, 'Preset${_k}')")
  endforeach()
  execute_process(COMMAND ${_held} ${MSIBUILD} "${_tmp}" ${_preset_queries} RESULT_VARIABLE _rc)
endif()
if(NOT _rc EQUAL 0)
  get_filename_component(_dir "${OUT}" DIRECTORY)
  file(GLOB _saves "${_dir}/.gsf-save-*") # what a failed save leaves
  file(REMOVE "${_tmp}" ${_saves})
  message(FATAL_ERROR "MakeMsi.cmake: msibuild failed (${_rc})")
endif()

file(RENAME "${_tmp}" "${OUT}")
file(SHA256 "${OUT}" _h)
get_filename_component(_name "${OUT}" NAME)
file(WRITE "${OUT}.sha256" "${_h}  ${_name}\n")
