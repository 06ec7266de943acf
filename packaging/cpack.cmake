# `cpack -G DEB` in the build folder: the whole installation under /usr as the
# Debian package tavik-borun, its library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavik-borun)
set(CPACK_PACKAGE_VENDOR "The Tavik Borun developers")
set(CPACK_PACKAGE_CONTACT "The Tavik Borun developers <hra@tavikborun.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Czech word game of letter tiles")
# The synopsis comes first; each further line is one of the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Two to four players at one computer, people or the computer player, lay\ntiles from racks of seven on a 15x15 board with premium squares; every\nword must be in the Czech dictionary of 2.8 million word forms. With saved\ngames and game records, hints, word meanings, music and sound effects.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TB_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_STRIP_FILES ON)
include(CPack)
