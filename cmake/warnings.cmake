# Our own targets build with every warning on. Warnings fail the build only
# where UMRAK_WERROR asks for it (our test command and CI): another compiler
# or optimisation level must never break a user's or a packager's build.
option(UMRAK_WERROR "Treat warnings in our own targets as errors" OFF)

function(umrak_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(UMRAK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
