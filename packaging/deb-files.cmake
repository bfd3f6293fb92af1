# Run by CPack on the Debian package's files before it packs them (CPACK_PRE_BUILD_SCRIPTS):
# strips from the programs the sections Debian's own packages leave out (the compilers'
# .comment and the .note section) and adds what only the package holds: its change log and the
# reasons for the checker's notes it keeps (see packaging/lintian-overrides).
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
foreach(program kestrava vernalect)
  execute_process(COMMAND "${CPACK_KESTRAVA_STRIP}" --remove-section=.comment --remove-section=.note
                          "${root}/games/${program}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot strip ${root}/games/${program}")
  endif()
endforeach()
# (CPack runs this with DESTDIR set to the package's folder: the files are copied, not installed.)
set(readable OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
foreach(pair "${CPACK_KESTRAVA_CHANGELOG};share/doc/kestrava/changelog.Debian.gz"
             "${CPACK_KESTRAVA_LINTIAN_OVERRIDES};share/lintian/overrides/kestrava")
  list(GET pair 0 from)
  list(GET pair 1 to)
  get_filename_component(folder "${root}/${to}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${from}" "${root}/${to}")
  file(CHMOD "${root}/${to}" PERMISSIONS ${readable})
endforeach()
