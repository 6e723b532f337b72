# The release: both Windows builds, each packed by its package_zip target,
# and SHA256SUMS for the two zips, in WELMOR_DIST_DIR (dist/ by default).
#
# Included by the release flavour, this file adds the target `release`; the
# target runs this same file as a script (cmake -P), which configures the
# win32 and win64 presets under the release build folder, builds their
# package_zip targets and writes the sums in the format `sha256sum -c` reads.

if(NOT CMAKE_SCRIPT_MODE_FILE)
  set(WELMOR_DIST_DIR "${PROJECT_SOURCE_DIR}/dist" CACHE PATH "Where the release target puts the packages")
  add_custom_target(release ALL
    COMMAND "${CMAKE_COMMAND}" -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DWORK_DIR=${CMAKE_BINARY_DIR}
            -DDIST_DIR=${WELMOR_DIST_DIR} -P "${CMAKE_CURRENT_LIST_FILE}"
    USES_TERMINAL VERBATIM)
  return()
endif()

include("${CMAKE_CURRENT_LIST_DIR}/version.cmake")
cmake_host_system_information(RESULT jobs QUERY NUMBER_OF_LOGICAL_CORES)
file(REMOVE "${DIST_DIR}/SHA256SUMS")
set(sums "")
foreach(build IN ITEMS "win32;x86" "win64;x64")
  list(GET build 0 preset)
  list(GET build 1 arch)
  set(zip "Welmor-${WELMOR_VERSION}-${arch}.zip")
  file(REMOVE "${DIST_DIR}/${zip}")
  # A fresh cache each time: a folder configured before a toolchain file or
  # preset changed would keep its old flags.
  file(REMOVE "${WORK_DIR}/${preset}/CMakeCache.txt")
  # The inner build makes its own jobs, whatever make runs this one.
  set(clean_env "${CMAKE_COMMAND}" -E env --unset=MAKEFLAGS --unset=MAKELEVEL --unset=MFLAGS)
  execute_process(COMMAND ${clean_env} "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK_DIR}/${preset}"
                          --preset ${preset} "-DWELMOR_DIST_DIR=${DIST_DIR}"
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${clean_env} "${CMAKE_COMMAND}" --build "${WORK_DIR}/${preset}"
                          --target package_zip --parallel ${jobs}
                  COMMAND_ERROR_IS_FATAL ANY)
  file(SHA256 "${DIST_DIR}/${zip}" sum)
  string(APPEND sums "${sum}  ${zip}\n")
endforeach()
file(WRITE "${DIST_DIR}/SHA256SUMS" "${sums}")
message(STATUS "Packages and SHA256SUMS in ${DIST_DIR}")
