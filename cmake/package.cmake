# The package of one Windows build: target package_zip writes
# Welmor-<version>-<x86|x64>.zip into WELMOR_DIST_DIR with the stripped
# Welmor.exe, Readme.txt (made from docs/README.md) and License.txt, in that
# order. The zip carries the time of the sources' last commit (or
# SOURCE_DATE_EPOCH when set), so the same commit gives the same bytes.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(WELMOR_PACKAGE_ARCH x64)
else()
  set(WELMOR_PACKAGE_ARCH x86)
endif()
set(WELMOR_DIST_DIR "${PROJECT_SOURCE_DIR}/dist" CACHE PATH "Where package_zip puts the zip")
set(WELMOR_PACKAGE_ZIP "${WELMOR_DIST_DIR}/Welmor-${WELMOR_VERSION}-${WELMOR_PACKAGE_ARCH}.zip")
set(_stage "${CMAKE_BINARY_DIR}/package")
file(MAKE_DIRECTORY "${_stage}")

# The guide and the licence must name what the about window shows.
file(STRINGS "${SRC}/windows/contact.hpp" _contacts REGEX "inline constexpr const char\\* kMaker")
set(_required --require "${WELMOR_VERSION}")
foreach(_line IN LISTS _contacts)
  string(REGEX REPLACE ".*= \"(.*)\";.*" "\\1" _text "${_line}")
  if(_line MATCHES "kMakerCopyright")
    string(REPLACE "Copyright (C) " "Copyright (c) " _text "${_text}")
    set(_copyright "${_text}")
  else()
    list(APPEND _required --require "${_text}")
  endif()
endforeach()

set(_text_tool "${PROJECT_SOURCE_DIR}/cmake/notepad_text.py")
add_custom_command(OUTPUT "${_stage}/Readme.txt"
  COMMAND Python3::Interpreter "${_text_tool}" markdown "${PROJECT_SOURCE_DIR}/docs/README.md"
          "${_stage}/Readme.txt" ${_required}
  DEPENDS "${PROJECT_SOURCE_DIR}/docs/README.md" "${_text_tool}" "${SRC}/windows/contact.hpp"
  VERBATIM)
add_custom_command(OUTPUT "${_stage}/License.txt"
  COMMAND Python3::Interpreter "${_text_tool}" plain "${PROJECT_SOURCE_DIR}/License.txt"
          "${_stage}/License.txt" --require "${_copyright}"
  DEPENDS "${PROJECT_SOURCE_DIR}/License.txt" "${_text_tool}" "${SRC}/windows/contact.hpp"
  VERBATIM)
# strip writes the current time into the header unless SOURCE_DATE_EPOCH
# says otherwise; 0, like the link.
add_custom_command(OUTPUT "${_stage}/Welmor.exe"
  COMMAND "${CMAKE_COMMAND}" -E env SOURCE_DATE_EPOCH=0
          "${CMAKE_STRIP}" -o "${_stage}/Welmor.exe" "$<TARGET_FILE:Welmor>"
  DEPENDS Welmor
  VERBATIM)

# Zipping takes a moment, so it runs on every build: the commit time can
# change while every file stays the same.
add_custom_target(package_zip
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${WELMOR_DIST_DIR}"
  COMMAND Python3::Interpreter "${PROJECT_SOURCE_DIR}/cmake/make_zip.py" "${WELMOR_PACKAGE_ZIP}"
          "${PROJECT_SOURCE_DIR}" "${_stage}/Welmor.exe" "${_stage}/Readme.txt" "${_stage}/License.txt"
  DEPENDS "${_stage}/Welmor.exe" "${_stage}/Readme.txt" "${_stage}/License.txt"
  COMMENT "Packing ${WELMOR_PACKAGE_ZIP}"
  VERBATIM)
