# AddressSanitizer (with leak detection) and UndefinedBehaviorSanitizer over
# the whole build, so that every library and test is instrumented alike.
option(UMRAK_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(UMRAK_SANITIZE)
  set(umrak_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all
                           -fno-omit-frame-pointer)
  add_compile_options(${umrak_sanitize_flags})
  add_link_options(${umrak_sanitize_flags})
endif()
