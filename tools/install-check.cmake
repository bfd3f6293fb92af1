# Installs the build BUILD into a fresh prefix PREFIX and checks what a player's machine gets:
# both programs in PREFIX/games; every data file the programs read beside them in a build (the
# source data folder, the drawn pictures, the written sounds, the version file) in
# PREFIX/share/kestrava; the manual pages and the copyright notice; the menu entry, the icons at
# their sizes and the catalogue entry where a desktop looks for them, each passing the desktop's
# own validators. The list of installed files the install leaves in the build folder belongs to
# the build's owner, even when the one an earlier install left (as root) did not.
#   cmake -DBUILD=<build> -DSOURCE=<source> -DPREFIX=<prefix> -P install-check.cmake
file(REMOVE_RECURSE "${PREFIX}")
if(DEFINED ENV{HOME})
  file(MAKE_DIRECTORY "$ENV{HOME}")
endif()

# The owner (user id) of a file.
function(owner_of path out)
  execute_process(COMMAND stat -c %u "${path}" OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(${out} "${uid}" PARENT_SCOPE)
endfunction()
# An earlier install's list in the build folder, and an install that must leave its list to the
# build's owner, as `sudo cmake --install` must: as root, the build folder is lent to another
# user for the install; else the earlier list is read-only.
set(manifest "${BUILD}/install_manifest.txt")
file(WRITE "${manifest}" "left by an earlier install\n")
owner_of("${BUILD}" build_owner)
set(builder ${build_owner})
execute_process(COMMAND id -u OUTPUT_VARIABLE me OUTPUT_STRIP_TRAILING_WHITESPACE)
if(me STREQUAL "0")
  set(builder 65534)
  execute_process(COMMAND chown ${builder} "${BUILD}")
else()
  file(CHMOD "${manifest}" PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(me STREQUAL "0")
  execute_process(COMMAND chown ${build_owner} "${BUILD}")
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${err}")
endif()

set(problems "")
set(data "${PREFIX}/share/kestrava")

owner_of("${manifest}" manifest_owner)
if(me STREQUAL "0")
  execute_process(COMMAND chown ${build_owner} "${manifest}")
endif()
file(READ "${manifest}" listed)
if(NOT manifest_owner STREQUAL builder OR NOT listed MATCHES "/games/kestrava")
  string(APPEND problems "\n  the install's list of files is not the build owner's (${manifest_owner}, "
                         "build ${builder}) or does not list this install")
endif()

foreach(program kestrava vernalect)
  if(NOT EXISTS "${PREFIX}/games/${program}" OR IS_DIRECTORY "${PREFIX}/games/${program}")
    string(APPEND problems "\n  missing program games/${program}")
  endif()
endforeach()

# What the programs read beside them in the build must be in the installed data folder.
set(expected "")
file(GLOB_RECURSE files RELATIVE "${SOURCE}/data" "${SOURCE}/data/*")
list(APPEND expected ${files})
foreach(made PICTURES SOUNDS)
  file(GLOB_RECURSE files RELATIVE "${BUILD}/bin" "${BUILD}/bin/${made}/*")
  list(FILTER files EXCLUDE REGEX "/\\.made$")
  if(NOT files)
    string(APPEND problems "\n  the build made no ${made}")
  endif()
  list(APPEND expected ${files})
endforeach()
list(APPEND expected kestrava.version)
foreach(f ${expected})
  if(NOT EXISTS "${data}/${f}")
    string(APPEND problems "\n  missing share/kestrava/${f}")
  endif()
endforeach()
foreach(leftover ".made" "PICTURES/.made" "SOUNDS/.made")
  if(EXISTS "${data}/${leftover}")
    string(APPEND problems "\n  a build stamp was installed: share/kestrava/${leftover}")
  endif()
endforeach()

# The icons: PNG files whose header gives the size their folder names.
foreach(size 16 24 32 48 64 128 256)
  set(icon "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/kestrava.png")
  if(NOT EXISTS "${icon}")
    string(APPEND problems "\n  missing icon ${size}x${size}")
    continue()
  endif()
  file(READ "${icon}" head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 32 8 width)
  string(SUBSTRING "${head}" 40 8 height)
  math(EXPR w "0x${width}")
  math(EXPR h "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT w EQUAL size OR NOT h EQUAL size)
    string(APPEND problems "\n  icon ${size}x${size} is not a ${size}-pixel PNG (${w} x ${h})")
  endif()
endforeach()

# The manual pages: compressed, in section 6, each naming its program.
foreach(program kestrava vernalect)
  set(page "${PREFIX}/share/man/man6/${program}.6.gz")
  if(NOT EXISTS "${page}")
    string(APPEND problems "\n  missing manual page share/man/man6/${program}.6.gz")
    continue()
  endif()
  execute_process(COMMAND gzip -dc "${page}" RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_QUIET)
  string(TOUPPER "${program}" title)
  if(NOT rc EQUAL 0 OR NOT text MATCHES "^\\.TH ${title} 6 " OR NOT text MATCHES "\n\\.SH NAME\n${program} \\\\- ")
    string(APPEND problems "\n  share/man/man6/${program}.6.gz is not a gzip'd section-6 page naming ${program}")
  endif()
endforeach()

# The copyright notice, in the machine-readable form: the format, and a paragraph for every file
# with its copyright and its licence terms.
set(copyright "${PREFIX}/share/doc/kestrava/copyright")
if(NOT EXISTS "${copyright}")
  string(APPEND problems "\n  missing share/doc/kestrava/copyright")
else()
  file(READ "${copyright}" text)
  if(NOT text MATCHES "^Format: https://www\\.debian\\.org/doc/packaging-manuals/copyright-format/1\\.0/\n"
     OR NOT text MATCHES "\n\nFiles: \\*\nCopyright: [0-9]+ The Kestrava developers\nLicense: [^\n]+\n [^\n]")
    string(APPEND problems "\n  share/doc/kestrava/copyright is not a machine-readable copyright file of ours")
  endif()
endif()

# The menu entry and the catalogue entry, checked by the tools a desktop distribution uses.
set(entry "${PREFIX}/share/applications/org.kestrava.Kestrava.desktop")
set(metainfo "${PREFIX}/share/metainfo/org.kestrava.Kestrava.metainfo.xml")
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
  string(APPEND problems "\n  desktop-file-validate or appstreamcli not found (Debian: desktop-file-utils, appstream)")
endif()
foreach(check "${DESKTOP_FILE_VALIDATE};${entry}" "${APPSTREAMCLI};validate;--no-net;${metainfo}")
  list(GET check -1 file)
  if(NOT EXISTS "${file}")
    string(APPEND problems "\n  missing ${file}")
    continue()
  endif()
  list(GET check 0 tool)
  if(NOT tool)
    continue()
  endif()
  execute_process(COMMAND ${check} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(APPEND problems "\n  ${file} does not validate:\n${out}${err}")
  endif()
endforeach()

# The menu entry names the class of the game's windows, which is the name of its program.
if(EXISTS "${entry}")
  file(STRINGS "${entry}" classes REGEX "^StartupWMClass=")
  if(NOT classes STREQUAL "StartupWMClass=kestrava" OR NOT EXISTS "${PREFIX}/games/kestrava")
    string(APPEND problems "\n  the menu entry's window class (${classes}) is not that of games/kestrava")
  endif()
endif()

if(problems)
  message(FATAL_ERROR "The installed game is incomplete under ${PREFIX}:${problems}")
endif()
