# Install step for vorlin.1: copies the page to <mandir>/man1 with the path of the default
# settings under the prefix of this install, in place of the /usr/local that the source names.
# Runs inside cmake_install.cmake, which sets VORLIN_PAGE_SOURCE, VORLIN_PAGE_MANDIR and
# VORLIN_PAGE_DATADIR just before it.
function(vorlin_under_prefix out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

vorlin_under_prefix(datadir "${VORLIN_PAGE_DATADIR}")
vorlin_under_prefix(mandir "${VORLIN_PAGE_MANDIR}")
set(page "$ENV{DESTDIR}${mandir}/man1/vorlin.1")

file(READ "${VORLIN_PAGE_SOURCE}" text)
string(REPLACE "/usr/local/share/vorlin/" "${datadir}/vorlin/" text "${text}")
message(STATUS "Installing: ${page}")
file(WRITE "${page}" "${text}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${page}")
