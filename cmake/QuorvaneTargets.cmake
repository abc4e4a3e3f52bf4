# So that POSITION_INDEPENDENT_CODE links executables as PIE too, not only compiles them so.
include(CheckPIESupported)
check_pie_supported()

# Settings every target of the project shares: the language level, warnings, and either the
# sanitizers or hardening.
function(quorvane_settings target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(QUORVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(QUORVANE_SANITIZE)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-sanitize-recover=undefined
                                            -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  else()
    quorvane_hardening(${target})
  endif()
endfunction()

# What Debian's dpkg-buildflags gives with hardening=+all: a strong stack protector, checked
# buffer functions, a position-independent executable and relocations made read-only at start.
# The sanitizers' own run-time checks clash with some of these, so sanitized builds go without.
# _FORTIFY_SOURCE needs the optimiser, so an unoptimised build goes without it.
function(quorvane_hardening target)
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_compile_options(${target} PRIVATE -fstack-protector-strong -Werror=format-security)
  target_compile_definitions(${target}
    PRIVATE $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  target_link_options(${target} PRIVATE LINKER:-z,relro LINKER:-z,now)
endfunction()

# Every source file in the given folders (not their subfolders), less the excluded file names.
function(quorvane_sources out)
  cmake_parse_arguments(ARG "" "" "FOLDERS;EXCLUDE" ${ARGN})
  set(sources)
  foreach(folder IN LISTS ARG_FOLDERS)
    file(GLOB found CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    list(APPEND sources ${found})
  endforeach()
  foreach(name IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/${name}$")
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# Gives the target an include folder of its own in the build tree that holds links to the given
# headers only, under the paths their users write ("framework/ui/Window.h"). A target thus sees the
# headers of the libraries it links and of no other, so a dependency that CMake does not know of
# fails to compile instead of hiding in the include path.
function(quorvane_export_headers target scope)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  foreach(header IN LISTS ARGN)
    file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${header})
    get_filename_component(folder ${root}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${header} ${root}/${path} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# A static library made of the sources of the given folders, exporting their headers. A folder
# that holds only headers gives an interface library, so dependents link the same way.
function(quorvane_library target)
  cmake_parse_arguments(ARG "" "" "FOLDERS;EXCLUDE;LIBRARIES" ${ARGN})
  quorvane_sources(sources FOLDERS ${ARG_FOLDERS} EXCLUDE ${ARG_EXCLUDE})
  set(headers ${sources})
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  list(FILTER headers INCLUDE REGEX "\\.h$")
  if(sources)
    add_library(${target} STATIC ${sources})
    quorvane_export_headers(${target} PUBLIC ${headers})
    target_link_libraries(${target} PUBLIC ${ARG_LIBRARIES})
    quorvane_settings(${target})
  else()
    add_library(${target} INTERFACE)
    quorvane_export_headers(${target} INTERFACE ${headers})
    target_link_libraries(${target} INTERFACE ${ARG_LIBRARIES})
  endif()
endfunction()

# One test program per library, made of every source file in the given folders, its cases
# registered one by one with CTest. GUI tests run on the offscreen platform.
function(quorvane_test target)
  cmake_parse_arguments(ARG "" "" "FOLDERS;LIBRARIES" ${ARGN})
  quorvane_sources(sources FOLDERS ${ARG_FOLDERS})
  set(headers ${sources})
  list(FILTER headers INCLUDE REGEX "\\.h$")
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  quorvane_export_headers(${target} PRIVATE ${headers})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES})
  quorvane_settings(${target})
  if(TARGET quorvane_resources)
    add_dependencies(${target} quorvane_resources)
  endif()
  gtest_discover_tests(${target}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp"
    DISCOVERY_TIMEOUT 60)
endfunction()
