# The installed layout and its Debian package. An installed program finds its defaults in
# <prefix>/share/kirveno beside <prefix>/bin and keeps each operator's books in a folder of
# their own, which it fills from those defaults at its first start.
include(GNUInstallDirs)

set(KIRVENO_APP_ID example.kirveno.Kirveno)
set(KIRVENO_DEFAULTS_DIR ${CMAKE_INSTALL_DATADIR}/kirveno)

# The portable program is "Kirveno"; on the PATH it is "kirveno". A renamed file is not a target,
# so "--strip" (and the package) strips it here.
install(PROGRAMS $<TARGET_FILE:Kirveno> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME kirveno)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_STRIP}
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kirveno\")
endif()")
# The modules loaded on first need, where the program looks for them. (Not straight in a folder
# of /usr/lib: they are no libraries of the system, and ldconfig has nothing to do with them.)
install(TARGETS kirveno_sound kirveno_printing kirveno_chart
        LIBRARY DESTINATION lib/kirveno/modules)
install(FILES ${PROJECT_SOURCE_DIR}/assets/language/english.ini
              ${PROJECT_SOURCE_DIR}/assets/language/turkish.ini
        DESTINATION ${KIRVENO_DEFAULTS_DIR}/language)
install(FILES ${PROJECT_SOURCE_DIR}/assets/sounds/zil01.wav
              ${PROJECT_SOURCE_DIR}/assets/sounds/yazarkasa01.wav
        DESTINATION ${KIRVENO_DEFAULTS_DIR})
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/kirveno-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KIRVENO_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${KIRVENO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${KIRVENO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the changelog and the manual page compressed at the highest level and without a
# time stamp.
foreach(page changelog kirveno.1)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${page}.gz
        COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${page} > ${CMAKE_BINARY_DIR}/${page}.gz
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${page})
endforeach()
add_custom_target(kirveno_pages ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz
                                            ${CMAKE_BINARY_DIR}/kirveno.1.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kirveno)
install(FILES ${CMAKE_BINARY_DIR}/kirveno.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME kirveno)
set(CPACK_PACKAGE_VENDOR "Kirveno LT developers")
set(CPACK_PACKAGE_CONTACT "Kirveno LT developers <developers@kirveno.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rents out café tables by the hour")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kirveno LT keeps the board of a café that rents out its
tables by the hour: the running session of each table, its time used and left
and the money owed; the bills, a daily and a monthly ledger, reports,
customers' loans, backup and restore. Every change is written at once.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.kirveno.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
