# Installing MAB like any other desktop program, and the Debian package built from that:
#
#   bin/mab                      launcher: sets up the user's embedded database on the first start
#                                and brings an older database to the newest schema version
#   libexec/mab/mab              the program (its bitmaps and definitions are compiled in)
#   share/mab/db/, scripts/      schemas, seed data and the set-up scripts the launcher runs
#   share/applications, icons    the menu entry "MAB" and its icon
#   share/man/man1/mab.1.gz      the manual page
#   share/doc/mab/               user guide with its pictures, copyright, changelog
#
#   cmake --install BUILD [--prefix DIR]      or      (cd BUILD && cpack -G DEB)
include(GNUInstallDirs)

set(MAB_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(MAB_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/mab)
set(MAB_DATA_DIR ${CMAKE_INSTALL_DATADIR}/mab)

install(TARGETS mab RUNTIME DESTINATION ${MAB_PROGRAM_DIR})
# Symbols resolved at start-up, so the relocation table can be read-only (Debian's hardening).
target_link_options(mab PRIVATE LINKER:-z,relro,-z,now)

# The launcher finds the program and the set-up scripts relative to itself, so the tree works
# wherever it is installed or unpacked.
file(RELATIVE_PATH MAB_LAUNCHER_TO_PROGRAM /prefix/${CMAKE_INSTALL_BINDIR}
    /prefix/${MAB_PROGRAM_DIR}/mab)
file(RELATIVE_PATH MAB_LAUNCHER_TO_DATA /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${MAB_DATA_DIR})
configure_file(${MAB_PACKAGING_DIR}/mab-launcher.in ${CMAKE_BINARY_DIR}/packaging/mab @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/mab DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${CMAKE_SOURCE_DIR}/db/ DESTINATION ${MAB_DATA_DIR}/db
    FILES_MATCHING PATTERN "*.sql")
install(FILES ${CMAKE_SOURCE_DIR}/scripts/common.sh ${CMAKE_SOURCE_DIR}/scripts/lib-backup.sh
    ${CMAKE_SOURCE_DIR}/scripts/lib-private.sh ${CMAKE_SOURCE_DIR}/scripts/lib-backup-timer.sh
    DESTINATION ${MAB_DATA_DIR}/scripts)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/scripts/create-embedded-database.sh
    ${CMAKE_SOURCE_DIR}/scripts/keep-private.sh
    ${CMAKE_SOURCE_DIR}/scripts/upgrade-database.sh ${CMAKE_SOURCE_DIR}/scripts/backup.sh
    ${CMAKE_SOURCE_DIR}/scripts/load-sample-people.sh DESTINATION ${MAB_DATA_DIR}/scripts)

install(FILES ${MAB_PACKAGING_DIR}/mab.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MAB_PACKAGING_DIR}/icons/mab.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${MAB_PACKAGING_DIR}/icons/mab-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME mab.png)
endforeach()

# Debian wants the manual page and the changelog compressed, without a time stamp inside (-n),
# so that the package is the same however often it is built.
find_program(MAB_GZIP gzip REQUIRED)
set(MAB_COMPRESSED)
foreach(source mab.1 changelog.Debian)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${source}.gz
        COMMAND ${MAB_GZIP} -9nc ${MAB_PACKAGING_DIR}/${source} > ${CMAKE_BINARY_DIR}/packaging/${source}.gz
        DEPENDS ${MAB_PACKAGING_DIR}/${source} VERBATIM)
    list(APPEND MAB_COMPRESSED ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
endforeach()
add_custom_target(mab_packaging_files ALL DEPENDS ${MAB_COMPRESSED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/mab.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(MAB_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/mab)
install(FILES ${MAB_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
    ${CMAKE_SOURCE_DIR}/docs/user-guide.md DESTINATION ${MAB_DOC_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/images DESTINATION ${MAB_DOC_DIR}
    FILES_MATCHING PATTERN "*.png")

# The .deb: shared libraries found by dpkg-shlibdeps, plus what the program loads at run time
# (the Qt ODBC plugin, the SQLite ODBC driver), what the set-up scripts call (odbcinst, sqlite3,
# isql) and the font that stands in for Arial.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mab)
set(CPACK_PACKAGE_VENDOR "MAB developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front desk of a small medical practice with its own laboratory")
# CPack puts the summary first and indents these lines itself; an empty line becomes " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "MAB keeps an address book of patients and contacts in status categories, takes
hematology orders priced from the analysis catalogue with a discount and adds
them into one bill with the biochemistry and urine amounts, shows appointment
calendars beside a half-hour day sheet, and carries the reception and search
forms. Screens are in Serbian (Latin script).

The data lives in the database named by the ODBC data source MabZet: an
embedded SQLite file set up for each user on the first start, or one
PostgreSQL server shared by several desks.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "MAB developers <mab@example.org>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the program links (Qt Print Support with its CUPS plugin among them) come from
# dpkg-shlibdeps; the rest are loaded at run time and named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-odbc, libsqliteodbc, odbcinst, unixodbc, sqlite3, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "odbc-postgresql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
