# The program's version is the one its version resource carries: read it from
# res/welmor.rc (the "FileVersion" text the program shows and stores) into
# WELMOR_VERSION, and refuse a script whose FILEVERSION numbers say otherwise.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../res/welmor.rc" _welmor_rc_lines
     REGEX "^(FILEVERSION |[ \t]*VALUE \"FileVersion\")")
set(WELMOR_VERSION "")
set(_welmor_rc_numbers "")
foreach(_line IN LISTS _welmor_rc_lines)
  if(_line MATCHES "^FILEVERSION ([0-9]+),([0-9]+),([0-9]+),([0-9]+)")
    set(_welmor_rc_numbers "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3}.${CMAKE_MATCH_4}")
  elseif(_line MATCHES "\"FileVersion\", \"([0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+)\"")
    set(WELMOR_VERSION "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(WELMOR_VERSION STREQUAL "" OR NOT WELMOR_VERSION STREQUAL _welmor_rc_numbers)
  message(FATAL_ERROR "res/welmor.rc: FILEVERSION (${_welmor_rc_numbers}) and the FileVersion text "
                      "(${WELMOR_VERSION}) must name one version")
endif()
