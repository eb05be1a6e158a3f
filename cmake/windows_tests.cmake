# The tests built for Windows run under Wine through CMAKE_CROSSCOMPILING_EMULATOR
# (tools/wine_test.sh), as above with the offscreen platform, and the programs with windows
# again on the Windows platform itself, which draws with the Windows style and its fonts: one
# X server (xvfb-run around ctest), one program at a time, as focus is the screen's.
foreach(name platform shell exercises worksheets games_memory games_pairs legibility
    accessibility)
  add_test(NAME ${name}_on_windows COMMAND test_${name})
  set_tests_properties(${name}_on_windows PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=windows" LABELS windows-platform TIMEOUT 300 RUN_SERIAL TRUE)
endforeach()
