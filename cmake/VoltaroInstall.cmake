# Where `make install` and the .deb put the program and what makes it a desktop application:
# the desktop entry, the AppStream metainfo, the icon, the MIME type of .cir files, the man
# page, the example circuits and the package's documents.
include(GNUInstallDirs)

set(VOLTARO_APP_ID org.voltaro.Voltaro)
set(VOLTARO_REPOSITORY_URL "https://voltaro.org/voltaro" CACHE STRING
    "Where the repository is published: the metainfo's home page; its screenshots lie below")
set(VOLTARO_SCREENSHOT_URL "${VOLTARO_REPOSITORY_URL}/raw/main/docs/images")
set(VOLTARO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/voltaro)

find_program(VOLTARO_GZIP gzip REQUIRED)

# voltaro_install_gzipped(<source> <name> <destination>): installs <source> compressed as
# <destination>/<name>.gz, without a time stamp so that the package is the same every build.
function(voltaro_install_gzipped source name destination)
    set(folder ${CMAKE_BINARY_DIR}/gzipped)
    add_custom_command(OUTPUT ${folder}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${folder}/${name}
        COMMAND ${VOLTARO_GZIP} -9nf ${folder}/${name}
        DEPENDS ${source}
        VERBATIM)
    add_custom_target(gzip_${name} ALL DEPENDS ${folder}/${name}.gz)
    install(FILES ${folder}/${name}.gz DESTINATION ${destination})
endfunction()

# voltaro_install_man(<page>): a man page, named <command>.<section>, into its section.
function(voltaro_install_man page)
    get_filename_component(path ${page} ABSOLUTE)
    get_filename_component(name ${page} NAME)
    string(REGEX MATCH "[1-9]$" section ${name})
    voltaro_install_gzipped(${path} ${name} ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()

set(data ${PROJECT_SOURCE_DIR}/data)
install(TARGETS voltaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${data}/${VOLTARO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${data}/${VOLTARO_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/data/${VOLTARO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/${VOLTARO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/icons/${VOLTARO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${data}/${VOLTARO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${VOLTARO_APP_ID}.xml)
file(GLOB voltaro_examples CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.cir)
install(FILES ${voltaro_examples} DESTINATION ${CMAKE_INSTALL_DATADIR}/voltaro/examples)
voltaro_install_man(${PROJECT_SOURCE_DIR}/docs/man/voltaro.1)
install(FILES ${data}/debian/copyright DESTINATION ${VOLTARO_DOC_DIR})
voltaro_install_gzipped(${data}/debian/changelog changelog ${VOLTARO_DOC_DIR})
install(FILES ${data}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME voltaro)
