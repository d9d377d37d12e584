# umrak_headers(TARGET ROOT DIR FOLDERS FOLDER...)
# Makes DIR/FOLDER/x.h includable as "FOLDER/x.h" by TARGET and whatever
# links it, and nothing else below DIR. Each target's include root is a
# folder of its own in the build tree holding one link a FOLDER, so a target
# reaches another's headers only by linking it: "window/form_window.h" is
# found where umrak_window is linked, never where only the logic is.
function(umrak_headers target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "ROOT" "FOLDERS")
  set(include_root ${PROJECT_BINARY_DIR}/include/${target})
  foreach(folder IN LISTS arg_FOLDERS)
    get_filename_component(parent ${include_root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${arg_ROOT}/${folder} ${include_root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${include_root})
endfunction()
