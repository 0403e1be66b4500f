# Read by cpack before it packs. Depends is worked out from the libraries the
# program links (dpkg-shlibdeps); without that tool cpack would quietly write
# only the names listed by hand, and the package would install without Qt.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(SHLIBDEPS_EXECUTABLE dpkg-shlibdeps)
  if(NOT SHLIBDEPS_EXECUTABLE)
    message(FATAL_ERROR "dpkg-shlibdeps (Debian package dpkg-dev) is needed to work out "
                        "the package's Depends; install dpkg-dev and run cpack again")
  endif()
endif()
