# Compiles a text file of resources/ into a target as a function that returns its bytes, so the
# program carries the text instead of looking for the file at run time. The file's bytes are
# written as escapes, so no character in it can end the literal early. A change to the file
# reconfigures the build.
function(quorvane_embed_text target)
  cmake_parse_arguments(ARG "" "FILE;FUNCTION;HEADER" "" ${ARGN})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ARG_FILE})
  file(READ ${ARG_FILE} bytes HEX)
  string(REGEX REPLACE "(..)" "\\\\x\\1" escaped "${bytes}")
  get_filename_component(name ${ARG_FILE} NAME_WE)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/embedded_${name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT
"#include \"${ARG_HEADER}\"

std::string_view ${ARG_FUNCTION}() {
    static constexpr char bytes[] = \"${escaped}\";
    return {bytes, sizeof bytes - 1};
}
" @ONLY)
  target_sources(${target} PRIVATE ${source})
endfunction()
