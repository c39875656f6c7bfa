# The Debian package: `cpack -G DEB` in the build folder makes talk_<version>_<arch>.deb,
# which installs the program under /usr: the executable in bin/, the
# recordings and starter data files in share/talk/, the menu entry and the
# icon. The user's data stays in the user's home; removing the package leaves it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese touch-screen communication aid")
# CPack puts the summary before this, as the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "TaviMail! is for a person who can neither speak nor type. A large kana
board on a touch screen speaks every character tapped; the text composed
is read aloud and kept as phrases, diary entries and mails.")
set(TALK_DEB_MAINTAINER "Talk developers <talk@example.org>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TALK_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# The libraries linked are found by dpkg-shlibdeps; the Japanese font the
# board is drawn with is a package of its own. The PulseAudio client library
# plays every sound and hears the microphone, but it is loaded only once the
# window shows (dlopen), so dpkg-shlibdeps cannot see it: without it the
# program would be mute. espeak-ng makes the recordings at build time and is
# not needed to run.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(TALK_DEB_DEPENDS fonts-ipafont-gothic libpulse0)
# The sentence voice's synthesizer, its dictionary and its voice (the voice
# lies in the archive area contrib); without them the program reads character
# by character.
set(TALK_DEB_RECOMMENDS open-jtalk open-jtalk-mecab-naist-jdic hts-voice-nitech-jp-atr503-m001)
list(JOIN TALK_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN TALK_DEB_RECOMMENDS ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)

# What Debian's policy asks of every binary package: stripped executables,
# standard permissions, the copyright file, a compressed changelog and a
# manual page.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(talk_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/talk)
foreach(file changelog talk.1)
    execute_process(
        COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/${file}
        OUTPUT_FILE ${CMAKE_BINARY_DIR}/${file}.gz
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${talk_doc_dir})
install(FILES ${CMAKE_BINARY_DIR}/talk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

include(CPack)
