# Installs the build into a scratch prefix and checks what the desktop reads:
#   cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(expected bin/zorva bin/zorva-cli share/applications/example.ulmora.zorva.desktop
  share/metainfo/example.ulmora.zorva.metainfo.xml
  share/mime/packages/zorva.xml share/zorva/zorva.qch share/zorva/zorva.qhc
  share/zorva/zorva_en.qch share/zorva/zorva_en.qhc share/zorva/translations/zorva_en.qm)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/zorva.png
    share/icons/hicolor/${size}x${size}/mimetypes/application-x-zorva-project.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The installed command line finds the installed English catalogue.
execute_process(COMMAND env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C
  "${PREFIX}/bin/zorva-cli" dump "${PREFIX}/no-such-file.zvf"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT out MATCHES "was not found")
  message(FATAL_ERROR "the installed zorva-cli does not speak English under LANG=C:\n${out}")
endif()

# Each hicolor folder must hold the picture of its own size; PNG keeps the
# width and height at bytes 16-23.
foreach(size 16 32 48 64 128 256)
  foreach(f apps/zorva.png mimetypes/application-x-zorva-project.png)
    file(READ "${PREFIX}/share/icons/hicolor/${size}x${size}/${f}" head LIMIT 24 HEX)
    string(SUBSTRING "${head}" 32 16 dims)
    string(SUBSTRING "${dims}" 0 8 wh)
    string(SUBSTRING "${dims}" 8 8 hh)
    math(EXPR w "0x${wh}")
    math(EXPR h "0x${hh}")
    if(NOT w EQUAL size OR NOT h EQUAL size)
      message(FATAL_ERROR "${size}x${size}/${f} is ${w}x${h}")
    endif()
  endforeach()
endforeach()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/example.ulmora.zorva.desktop"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate:\n${out}")
  endif()
else()
  message(STATUS "desktop-file-validate not found; the desktop entry was not validated")
endif()

# The install step builds the MIME cache when update-mime-database is there; the
# glob list then shows that the type definition was read.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  file(READ "${PREFIX}/share/mime/globs2" globs)
  if(NOT globs MATCHES "application/x-zorva-project:\\*\\.zvf")
    message(FATAL_ERROR "*.zvf is not in the MIME glob list:\n${globs}")
  endif()
  file(GLOB type_file "${PREFIX}/share/mime/application/x-zorva-project.xml")
  if(NOT type_file)
    message(FATAL_ERROR "update-mime-database wrote no application/x-zorva-project.xml")
  endif()
  file(READ "${type_file}" type_xml)
  if(NOT type_xml MATCHES "xml:lang=\"ja\"")
    message(FATAL_ERROR "the Japanese comment did not survive:\n${type_xml}")
  endif()
endif()
message(STATUS "installed tree under ${PREFIX} is complete")
