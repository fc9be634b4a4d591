# Scheduling on the real program and real minutes, with companions that log
# their starts. Takes the program's mutex, like every start of the program.
if(QM_WIN32)
  add_executable(sched_logging_companion WIN32 ${CMAKE_CURRENT_LIST_DIR}/sched_logging_companion.cpp)
  qm_wide_entry(sched_logging_companion)
  target_include_directories(sched_logging_companion PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(sched_logging_companion PROPERTIES
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()

qm_wine_test(NAME sched_program_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/sched_program_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/sched_program_window.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/process_windows.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/shell_test_support.cpp
             LOCALES ja_JP.UTF-8 RESOURCE_LOCK quillmere_control_mutex TIMEOUT 300)

if(QM_WIN32)
  add_dependencies(sched_program_tests sched_logging_companion QuillmereControl)
endif()
