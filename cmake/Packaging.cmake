# `make package`: a Debian package of the program, yardmark-cli, the menu
# entry, icon and file types, the user guide and the sample season, with its
# library dependencies worked out by dpkg-shlibdeps.
include(GNUInstallDirs)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(YARDMARK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/yardmark)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/help/ DESTINATION ${YARDMARK_DOC_DIR}/guide
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${YARDMARK_DOC_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# Debian wants the change log compressed, without a time stamp in it.
set(YARDMARK_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${YARDMARK_CHANGELOG}
                   COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/debian/changelog > ${YARDMARK_CHANGELOG}
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
add_custom_target(yardmark_changelog ALL DEPENDS ${YARDMARK_CHANGELOG})
install(FILES ${YARDMARK_CHANGELOG} DESTINATION ${YARDMARK_DOC_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The sample season the start panel offers, recorded by the simulator as
# `make run` records it.
if(TARGET yardmark-cli)
    install(CODE "
        set(season \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/yardmark/sample-season\")
        file(REMOVE_RECURSE \"\${season}\")
        execute_process(COMMAND \"$<TARGET_FILE:yardmark-cli>\" simulate --seed 1 --games 28 --out \"\${season}\"
                        OUTPUT_QUIET RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR \"the sample season could not be recorded\")
        endif()
        file(GLOB_RECURSE recorded \"\${season}/*\")
        file(CHMOD \${recorded} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    ")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME yardmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Football Yardmark maintainers <maintainers@yardmark.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scorebook for American football games, play by play")
set(CPACK_PACKAGE_DESCRIPTION
    "Football Yardmark records an American football game play by play: kickoffs,\n"
    "rushes, passes, punts, field goals, tries, penalties and time-outs. It keeps\n"
    "the down, distance, spot, possession and score, draws the field and a drive\n"
    "chart, narrates every play and produces game, drive and scoring summaries,\n"
    "season player and team statistics, rosters, schedules and address lists,\n"
    "on screen, printed, and exported as CSV and HTML.\n"
    "\n"
    "yardmark-cli is the same core without a window.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "shared-mime-info, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
