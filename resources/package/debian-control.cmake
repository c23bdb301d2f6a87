# Reads the package's facts from debian/control, so that the package CPack
# makes and the one debhelper makes say the same thing.
#   velmora_control_field(VAR FIELD)   a field's value, continuation lines joined
#   velmora_control_relations(VAR FIELD)   a relation field without the
#                                          substitutions only debhelper fills in
#   velmora_control_description(SUMMARY BODY)   the synopsis and the long text,
#                                               its " ." lines as blank lines
file(READ ${PROJECT_SOURCE_DIR}/debian/control velmora_control)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/debian/control)

function(velmora_control_field var field)
  if(NOT velmora_control MATCHES "(^|\n)${field}:[ \t]*([^\n]*(\n[ \t][^\n]*)*)")
    message(FATAL_ERROR "debian/control has no ${field} field")
  endif()
  string(REGEX REPLACE "\n[ \t]+" "\n" value "${CMAKE_MATCH_2}")
  set(${var} "${value}" PARENT_SCOPE)
endfunction()

function(velmora_control_relations var field)
  velmora_control_field(value ${field})
  string(REPLACE "\n" " " value "${value}")
  string(REGEX REPLACE "\\$\\{[^}]*\\},?[ ]*" "" value "${value}")
  string(STRIP "${value}" value)
  set(${var} "${value}" PARENT_SCOPE)
endfunction()

function(velmora_control_description summary body)
  velmora_control_field(value Description)
  string(FIND "${value}" "\n" end)
  string(SUBSTRING "${value}" 0 ${end} first)
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${value}" ${end} -1 rest)
  string(REGEX REPLACE "(^|\n)\\.(\n|$)" "\\1\\2" rest "${rest}")
  set(${summary} "${first}" PARENT_SCOPE)
  set(${body} "${rest}" PARENT_SCOPE)
endfunction()
