# The manual pages: man/*.1.scd written in scdoc, turned into roff and
# compressed as Debian installs them (gzip -9n: no name or time stamp inside,
# so the same page always packs to the same bytes).

# zorva_gzip(IN OUT): OUT is IN compressed, remade when IN changes.
function(zorva_gzip in out)
  add_custom_command(OUTPUT ${out}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\"" sh ${in} ${out}
    DEPENDS ${in} VERBATIM)
endfunction()

find_program(ZORVA_SCDOC scdoc)
if(NOT ZORVA_SCDOC)
  message(WARNING "scdoc not found: the manual pages are not built (scripts/setup.sh installs it)")
  return()
endif()

# The pages' date is the release's, not the day of the build.
execute_process(COMMAND date -u -d "${ZORVA_RELEASE_DATE}" +%s
  OUTPUT_VARIABLE release_epoch OUTPUT_STRIP_TRAILING_WHITESPACE)

set(pages zorva-cli)
if(ZORVA_BUILD_GUI)
  list(APPEND pages zorva)
endif()
set(outputs)
foreach(page IN LISTS pages)
  set(src ${CMAKE_SOURCE_DIR}/man/${page}.1.scd)
  set(roff ${CMAKE_BINARY_DIR}/man/${page}.1)
  add_custom_command(OUTPUT ${roff}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${release_epoch}
      sh -c "\"$1\" < \"$2\" > \"$3.tmp\" && mv \"$3.tmp\" \"$3\"" sh ${ZORVA_SCDOC} ${src} ${roff}
    DEPENDS ${src} ${CMAKE_SOURCE_DIR}/CMakeLists.txt VERBATIM)
  zorva_gzip(${roff} ${roff}.gz)
  list(APPEND outputs ${roff}.gz)
endforeach()
add_custom_target(zorva_man ALL DEPENDS ${outputs})
install(FILES ${outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
