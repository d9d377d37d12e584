# umrak_label_tests(FOLDER LABEL...)
# Gives every test of FOLDER, an added subdirectory, and of the folders below
# it the ctest labels LABEL...: the kind of test, and `quick` where the test
# needs no X server, window manager or screen reader (scripts/quick).
function(umrak_label_tests folder)
  set_property(DIRECTORY ${folder} PROPERTY LABELS ${ARGN})
  get_property(below DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS below)
    umrak_label_tests(${subfolder} ${ARGN})
  endforeach()
endfunction()
