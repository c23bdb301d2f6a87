# Included by cpack (CPACK_PROJECT_CONFIG_FILE): adds to the package's Depends
# the libraries that the program and its sound module link to, as
# dpkg-shlibdeps finds them (Debian's Qt 6 runtime among them). CPack's own
# CPACK_DEBIAN_PACKAGE_SHLIBDEPS would do the same, but seeing a shared object
# under /usr/lib it also writes a postinst and a postrm that run ldconfig,
# which a private module loaded by path does not need.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(work "${CPACK_PACKAGE_DIRECTORY}/shlibdeps")
  file(MAKE_DIRECTORY "${work}/debian")
  file(TOUCH "${work}/debian/control")
  execute_process(COMMAND dpkg-shlibdeps -O ${CPACK_VELMORA_LINKED_FILES}
    WORKING_DIRECTORY "${work}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT output MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps failed: ${errors}")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${CMAKE_MATCH_1}")
endif()
