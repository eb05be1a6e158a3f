# libFuzzer targets for the rules that take text or numbers from outside: one program per
# tests/fuzz/fuzz_*.cpp, named like its file, put in <build>/fuzz/ with its seed corpus in
# tests/fuzz/corpus/<name>/. Run through tools/fuzz.sh. The core library is built with the
# fuzzer's coverage instrumentation and with AddressSanitizer and UndefinedBehaviorSanitizer,
# so a fault inside a rule is found, not only a broken property.
option(ZAHLZEICHEN_FUZZ "Build the libFuzzer targets (needs Clang)" OFF)

if(ZAHLZEICHEN_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(WARNING "ZAHLZEICHEN_FUZZ needs Clang (CMAKE_CXX_COMPILER=clang++); no fuzz targets")
elseif(ZAHLZEICHEN_FUZZ)
  set(zahlzeichen_fuzz_sanitizers
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # -O1 for many more runs per second; assertions stay on, as in a Debug build.
  target_compile_options(zahlzeichen_core PRIVATE
    -O1 -fsanitize=fuzzer-no-link ${zahlzeichen_fuzz_sanitizers})
  target_link_options(zahlzeichen_core INTERFACE ${zahlzeichen_fuzz_sanitizers})

  file(GLOB fuzz_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fuzz/fuzz_*.cpp)
  add_custom_target(zahlzeichen_fuzz)
  foreach(source ${fuzz_sources})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fuzz
      ${PROJECT_SOURCE_DIR}/tests/common)
    target_compile_options(${name} PRIVATE -O1 -fsanitize=fuzzer ${zahlzeichen_fuzz_sanitizers}
      -Wall -Wextra -Wpedantic $<$<BOOL:${ZAHLZEICHEN_WERROR}>:-Werror>)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer ${zahlzeichen_fuzz_sanitizers})
    target_link_libraries(${name} PRIVATE zahlzeichen_core)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF
      RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fuzz)
    add_dependencies(zahlzeichen_fuzz ${name})
  endforeach()
endif()
