# cpack -G DEB (make package): a Debian package of the installed layout. The
# shared libraries' packages come from dpkg-shlibdeps; the window system's
# plugins and the dialog font are loaded at run time, so they are named here.
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VENDOR Vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logic puzzle of picture tiles placed from clues")
# Lines of at most 80 characters, as Debian's tools want them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "A board of four to ten rows hides a solution in which every picture tile"
       "of a row stands in one column; the player places and removes candidates"
       "working only from horizontal and vertical clues. Every puzzle is generated"
       "from its number and proven solvable.")
# Debian wants a mail address here; the project has none, so it names one
# under .invalid, a name reserved never to resolve (RFC 2606).
set(CPACK_PACKAGE_CONTACT "Vantor <nobody@quillmere.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# The game and quillmere-print write SVG pages.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6svg6")
# Qt's own texts (the buttons of its dialogs, the file dialog) are translated in
# Debian's Qt translations; without them those stay English in every language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
