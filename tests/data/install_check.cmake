# Installs the desktop files and the manual page into an empty prefix and
# checks that each lands where desktops, software centres and man look for it,
# unchanged, and that APPSTREAM_VALIDATE finds the installed tree valid, the
# metainfo with its desktop file and icons.
foreach(var BUILD_DIR PREFIX DATA_DIR APPSTREAM_VALIDATE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --component umrak_data
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  "share/applications/io.github.umrak.Umrak.desktop=io.github.umrak.Umrak.desktop"
  "share/metainfo/io.github.umrak.Umrak.metainfo.xml=io.github.umrak.Umrak.metainfo.xml"
  "share/icons/hicolor/32x32/apps/io.github.umrak.Umrak.png=umrak.png"
  "share/icons/hicolor/scalable/apps/io.github.umrak.Umrak.svg=umrak.svg"
  "share/man/man1/umrak.1=umrak.1")
set(failures "")
foreach(pair IN LISTS expected)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 installed)
  list(GET pair 1 source)
  if(NOT EXISTS ${PREFIX}/${installed})
    string(APPEND failures "\n  missing: ${installed}")
    continue()
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${PREFIX}/${installed} ${DATA_DIR}/${source}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    string(APPEND failures "\n  differs from ${source}: ${installed}")
  endif()
endforeach()

file(GLOB_RECURSE installed_files RELATIVE ${PREFIX} ${PREFIX}/*)
list(LENGTH expected expected_count)
list(LENGTH installed_files installed_count)
if(NOT installed_count EQUAL expected_count)
  string(APPEND failures "\n  installed ${installed_count} files, expected ${expected_count}: ${installed_files}")
endif()

if(APPSTREAMCLI)
  execute_process(COMMAND sh ${APPSTREAM_VALIDATE} ${APPSTREAMCLI} validate-tree ${PREFIX}
    RESULT_VARIABLE invalid)
  if(NOT invalid EQUAL 0)
    string(APPEND failures "\n  appstreamcli validate-tree rejects the installed tree")
  endif()
else()
  string(APPEND failures "\n  appstreamcli not found (package appstream): the tree is not validated")
endif()

if(failures)
  message(FATAL_ERROR "install into ${PREFIX}:${failures}")
endif()
message(STATUS "all ${expected_count} files installed in place under ${PREFIX}")
