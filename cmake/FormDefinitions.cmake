# Form definitions: written as text (*.olzform), turned into binary definitions by olzformc and
# carried by a Windows program as RCDATA resources named after the form's class.
#
#   olz_add_form_definitions(<target> <definition.olzform>...)
#
# Cross builds take olzformc from the native build (scripts/build makes it first).
set(OLZ_HOST_TOOLS_DIR "${CMAKE_SOURCE_DIR}/build/native/bin" CACHE PATH "Where the native build put olzformc")

function(olz_add_form_definitions target)
  if(CMAKE_CROSSCOMPILING)
    find_program(OLZ_FORMC olzformc PATHS "${OLZ_HOST_TOOLS_DIR}" NO_DEFAULT_PATH)
    if(NOT OLZ_FORMC)
      message(FATAL_ERROR "olzformc not found in ${OLZ_HOST_TOOLS_DIR}: build the native preset first")
    endif()
    set(formc "${OLZ_FORMC}")
  else()
    set(formc $<TARGET_FILE:olzformc>)
  endif()

  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_forms.rc")
  set(rc_text "")
  set(outputs "")
  foreach(definition ${ARGN})
    get_filename_component(source "${definition}" ABSOLUTE)
    get_filename_component(stem "${definition}" NAME_WE)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${stem}.olzf")
    file(READ "${source}" text)
    # The resource is named after the root component's class: the first "Name: TClass" that is
    # not in a comment.
    string(REGEX REPLACE "#[^\n]*" "" text "${text}")
    string(REGEX MATCH "[A-Za-z_][A-Za-z0-9_]*[ \t]*:[ \t]*([A-Za-z_][A-Za-z0-9_]*)" _ "${text}")
    string(TOUPPER "${CMAKE_MATCH_1}" resource)
    add_custom_command(OUTPUT "${output}"
      COMMAND "${formc}" "${source}" "${output}"
      DEPENDS "${source}" $<$<NOT:$<BOOL:${CMAKE_CROSSCOMPILING}>>:olzformc>
      COMMENT "Form definition ${stem}"
      VERBATIM)
    string(APPEND rc_text "${resource} RCDATA \"${output}\"\n")
    list(APPEND outputs "${output}")
  endforeach()
  file(WRITE "${rc}" "${rc_text}")
  set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${outputs}")
  target_sources(${target} PRIVATE "${rc}")
endfunction()
