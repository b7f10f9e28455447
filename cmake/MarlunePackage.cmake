# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# The Debian package, built by CPack from the install rules. Its dependencies are
# read from the binaries by dpkg-shlibdeps, so they follow whatever the build links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marlune)
set(CPACK_PACKAGE_VENDOR "The Marlune developers")
set(CPACK_PACKAGE_CONTACT "The Marlune developers <author@marlune.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puts music file names and ID3v1 tags into one clean form")
set(CPACK_PACKAGE_DESCRIPTION
  "Marlune renames music files into one form, such as (The Owls) Blue Sky.mp3,
through a preview that is confirmed entry by entry, and edits their ID3v1 tags.
It comes as a desktop program (marlune), a command-line tool (marlune-cli),
the tray-icon plug-in Pinlet and the update and comment server (marlune-server).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debug information stays in the build tree; the package gets stripped binaries.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.marlune.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialog buttons in the user's language; the program's texts are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
