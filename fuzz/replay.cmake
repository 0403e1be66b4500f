# The fuzz targets as ordinary tests: each target's source with a small main
# that feeds it every file of its corpus in fuzz/corpus/<target>/. Builds with
# any compiler; include it from the test suite or from fuzz/CMakeLists.txt.

# Set before the guard: a second includer (fuzz/ after tests/) needs the list too.
set(ZELTAN_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(ZELTAN_FUZZ_TARGETS recordsyntax textfile numbertext lastinputs moduledat masindat helptxt
                        notebookchart)
include_guard(GLOBAL)

foreach(name IN LISTS ZELTAN_FUZZ_TARGETS)
  add_executable(replay_${name} ${ZELTAN_FUZZ_DIR}/fuzz_${name}.cpp
                                ${ZELTAN_FUZZ_DIR}/replay_main.cpp ${ZELTAN_FUZZ_DIR}/fuzzsupport.h)
  target_link_libraries(replay_${name} PRIVATE zeltan_core) # brings Qt6::Core
  target_include_directories(replay_${name} PRIVATE ${ZELTAN_FUZZ_DIR} ${ZELTAN_FUZZ_DIR}/../tests)
  zeltan_strict(replay_${name})
  add_test(NAME replay_${name} COMMAND replay_${name} ${ZELTAN_FUZZ_DIR}/corpus/${name})
  set_tests_properties(replay_${name} PROPERTIES LABELS fuzz-replay TIMEOUT 300)
endforeach()
