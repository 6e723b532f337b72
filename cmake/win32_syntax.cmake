# The native build also compiles every Win32 source as far as its
# declarations go, so that a changed interface fails where a contributor
# builds first. Each file is checked again when it or a header it includes changes.
find_program(WELMOR_MINGW_CXX x86_64-w64-mingw32-g++-win32 REQUIRED)
file(GLOB welmor_win32_checked CONFIGURE_DEPENDS ${SRC}/*/win32/*.cpp)
foreach(source ${welmor_win32_checked})
  string(REPLACE "${SRC}/" "${CMAKE_BINARY_DIR}/win32-syntax/" stamp "${source}.ok")
  get_filename_component(folder ${stamp} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  add_custom_command(OUTPUT ${stamp} DEPENDS ${source} DEPFILE ${stamp}.d VERBATIM
    COMMAND ${WELMOR_MINGW_CXX} -std=c++20 -fsyntax-only ${WELMOR_WARNINGS} -DNOMINMAX -DWIN32_LEAN_AND_MEAN
            -D_WIN32_WINNT=0x0500 -DWINVER=0x0500 -I${SRC} -MMD -MT ${stamp} -MF ${stamp}.d ${source}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp})
  list(APPEND welmor_syntax_stamps ${stamp})
endforeach()
add_custom_target(win32_syntax ALL DEPENDS ${welmor_syntax_stamps})
