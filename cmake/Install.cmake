# What `cmake --install` puts where. The program reads its four pictures at run time; the
# description text is compiled into it. Tests and benchmarks are not installed.
#   Linux: bin/quorvane, the pictures in share/quorvane/, a desktop entry in share/applications/
#          and the icon in share/icons/hicolor/, 48-pixel, 64-pixel and scalable.
#   macOS: the bundle quorvane.app, with the pictures and the icon in Contents/Resources and an
#          Info.plist made from the project's version data.
if(NOT TARGET quorvane)
  return()
endif()

file(GLOB quorvane_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.png)
set(quorvane_small_icon ${PROJECT_SOURCE_DIR}/resources/icons/Icon48.png)
set(quorvane_scalable_icon ${PROJECT_SOURCE_DIR}/resources/sources/Icon64.svg)

if(APPLE)
  # macOS wants its application icon as .icns; sips, which comes with the system, makes it.
  set(quorvane_icns ${PROJECT_BINARY_DIR}/quorvane.icns)
  add_custom_command(OUTPUT ${quorvane_icns}
    COMMAND sips -s format icns ${QUORVANE_ICON_PICTURE} --out ${quorvane_icns}
    DEPENDS ${QUORVANE_ICON_PICTURE})
  add_custom_target(quorvane_icns DEPENDS ${quorvane_icns})
  add_dependencies(quorvane quorvane_icns)
  target_sources(quorvane PRIVATE ${quorvane_pictures} ${quorvane_icns})
  set_source_files_properties(${quorvane_icns} TARGET_DIRECTORY quorvane PROPERTIES GENERATED ON)
  set_source_files_properties(${quorvane_pictures} ${quorvane_icns} TARGET_DIRECTORY quorvane
    PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  # CMake's Info.plist template, filled in from the project's version data.
  set_target_properties(quorvane PROPERTIES
    MACOSX_BUNDLE ON
    MACOSX_BUNDLE_BUNDLE_NAME Quorvane
    MACOSX_BUNDLE_GUI_IDENTIFIER org.quorvane.Quorvane
    MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
    MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
    MACOSX_BUNDLE_LONG_VERSION_STRING "Quorvane ${PROJECT_VERSION}"
    MACOSX_BUNDLE_INFO_STRING "Quorvane ${PROJECT_VERSION}"
    MACOSX_BUNDLE_COPYRIGHT "Quorvane, by the Quorvane authors"
    MACOSX_BUNDLE_ICON_FILE quorvane.icns)
  install(TARGETS quorvane BUNDLE DESTINATION .)
  return()
endif()

# Linux also gets the manual page in share/man/man1/, the copyright and changelog in
# share/doc/quorvane/ and lintian's overrides in share/lintian/overrides/, where Debian looks for
# them. The manual page and the changelog are gzipped without name or time in the header, so that
# every build makes the same bytes.
function(quorvane_gzip source compressed)
  add_custom_command(OUTPUT ${compressed}
    COMMAND gzip -9n -c ${source} > ${compressed}
    DEPENDS ${source} VERBATIM)
endfunction()
set(quorvane_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(quorvane_manual_page ${PROJECT_BINARY_DIR}/quorvane.1.gz)
set(quorvane_changelog ${PROJECT_BINARY_DIR}/changelog.gz)
quorvane_gzip(${quorvane_packaging}/quorvane.1 ${quorvane_manual_page})
quorvane_gzip(${quorvane_packaging}/changelog ${quorvane_changelog})
# The changelog's newest entry must be the version built: lintian does not compare the two.
file(STRINGS ${quorvane_packaging}/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^quorvane \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog has no entry for version ${PROJECT_VERSION} at its top")
endif()
# Made with the program, so that any build of it, its target's alone too, can be installed.
add_custom_target(quorvane_documents DEPENDS ${quorvane_manual_page} ${quorvane_changelog})
add_dependencies(quorvane quorvane_documents)
install(FILES ${quorvane_manual_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${quorvane_packaging}/copyright ${quorvane_changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
install(FILES ${quorvane_packaging}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quorvane)

# Qt's project setup gives installed programs an $ORIGIN search path; ours links no library of
# its own, and a Debian package keeps no search path in /usr/bin.
set_target_properties(quorvane PROPERTIES INSTALL_RPATH "")
install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The compilers' version strings in .comment serve no one who runs the program: Debian's own
# packages go without them, and so does ours, however it is installed.
install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:quorvane>\"
  COMMAND_ERROR_IS_FATAL ANY)")
install(FILES ${quorvane_pictures} DESTINATION ${QUORVANE_INSTALL_RESOURCESDIR})
install(FILES ${QUORVANE_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The entry's Icon=quorvane names these; the icon theme asks for 48 pixels at least.
install(FILES ${quorvane_small_icon}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME quorvane.png)
install(FILES ${QUORVANE_ICON_PICTURE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME quorvane.png)
install(FILES ${quorvane_scalable_icon}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME quorvane.svg)
