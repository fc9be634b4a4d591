# The application shell: data directory, process control, companions and
# the program's start-up, run against the real programs in build/win/bin.
if(QM_WIN32)
  foreach(helper shell_sleeper shell_fake_player)
    add_executable(${helper} WIN32 ${CMAKE_CURRENT_LIST_DIR}/${helper}.cpp)
    qm_wide_entry(${helper})
    set_target_properties(${helper} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  endforeach()
endif()

qm_wine_test(NAME shell_directory_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell_data_directory_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/shell_test_support.cpp
             LOCALES ja_JP.UTF-8 C TIMEOUT 120)
qm_wine_test(NAME shell_process_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell_process_control_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/shell_companions_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/process_windows.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/shell_test_support.cpp
             LOCALES ja_JP.UTF-8 C TIMEOUT 180)
# The single-instance tests take the program's mutex, which the other
# locale's run, or any other start of the program, must not hold meanwhile.
qm_wine_test(NAME shell_program_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell_program_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/shell_test_support.cpp
             LOCALES ja_JP.UTF-8 C RESOURCE_LOCK quillmere_control_mutex TIMEOUT 180)

if(QM_WIN32)
  add_dependencies(shell_process_tests shell_sleeper WakeKeeper ReplayRunner InputStudio)
  add_dependencies(shell_program_tests shell_fake_player QuillmereControl)
endif()
