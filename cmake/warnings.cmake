# Our own targets build with every warning as an error; third-party code is untouched.
function(umrak_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
