# Read by cpack (CPACK_PROJECT_CONFIG_FILE) before it packages. The package's dates are those of
# the sources it is made from, so that the same sources give the same bytes: the last commit's, or
# outside a git checkout the changelog's newest entry's. A SOURCE_DATE_EPOCH already set wins.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
get_filename_component(source_dir ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
find_program(git git)
if(git AND EXISTS ${source_dir}/.git)
  execute_process(COMMAND ${git} -C ${source_dir} log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
else()
  execute_process(COMMAND dpkg-parsechangelog -l ${source_dir}/packaging/changelog -S Timestamp
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
