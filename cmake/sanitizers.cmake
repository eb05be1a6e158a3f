# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the build: the core
# library, the program and all tests. Any finding ends the process, so a test that trips one
# fails. Run through tools/sanitize.sh, which sets the runtime options and suppressions.
option(ZAHLZEICHEN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(ZAHLZEICHEN_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "ZAHLZEICHEN_SANITIZE needs GCC or Clang")
  endif()
  # Every finding is fatal. The one exception, nonnull-attribute, still halts the process
  # (UBSAN_OPTIONS=halt_on_error=1) unless tests/sanitizers/ubsan.supp names it: only a
  # recoverable check can be suppressed, and Qt 6.4's own inline code trips this one.
  set(zahlzeichen_sanitizer_flags
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
    -fsanitize-recover=nonnull-attribute)
  add_compile_options(${zahlzeichen_sanitizer_flags} -g)
  add_link_options(${zahlzeichen_sanitizer_flags})
endif()
