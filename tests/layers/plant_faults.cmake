# Plants one fault of each kind in a small tree beside harmless includes, and
# fails unless check_layers.cmake reports exactly those faults.
#
#   cmake -DWORK=DIR -P plant_faults.cmake
cmake_minimum_required(VERSION 3.25)
set(src ${WORK}/src)
file(REMOVE_RECURSE ${src})
set(plants
  "runtime/model.h=#include \"window/view.h\""
  "form/roles.h=#include <QString>"
  "procedures/age.cpp=#include \"procedures/age.h\"\n#include \"procedures/borrow.h\""
  "events/table.cpp=#include \"scenario/driver.h\"\n#include \"procedures/age.h\""
  "window/view.h=#include <QWidget>\n#include \"runtime/model.h\"\n#include \"view.moc\""
  "attic/old.h=")
foreach(plant IN LISTS plants)
  string(REGEX MATCH "^[^=]+" path "${plant}")
  string(REGEX REPLACE "^[^=]+=" "" text "${plant}")
  file(WRITE ${src}/${path} "${text}\n")
endforeach()

execute_process(
  COMMAND ${CMAKE_COMMAND} -DSRC=${src} -DFLOORS=runtime,form,procedures,events,window
    -DSIDE_BY_SIDE=procedures -DFIRST_QT_FLOOR=window -P ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${out}")
set(expected
  "src/attic: a folder that is no floor"
  "src/runtime/model.h: includes \"window/view.h\": window is above runtime"
  "src/form/roles.h: #include <QString>: Qt on the form floor"
  "src/procedures/age.cpp: includes \"procedures/borrow.h\": the procedures share nothing"
  "src/events/table.cpp: includes \"scenario/driver.h\", outside src/"
  "5 arrows break the plan")
foreach(line IN LISTS expected)
  string(FIND "${out}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not reported: ${line}")
  endif()
endforeach()
if(result EQUAL 0)
  message(FATAL_ERROR "the check passed a tree with faults")
endif()
