# The companion commands, the notification icon, the About box, exit and the
# splash window: on the real dialog and the real program with stand-in
# companions.
if(QM_WIN32)
  add_executable(finish_fake_recorder WIN32 ${CMAKE_CURRENT_LIST_DIR}/finish_fake_recorder.cpp)
  target_link_libraries(finish_fake_recorder PRIVATE shell32)
  target_link_options(finish_fake_recorder PRIVATE -municode)
  set_target_properties(finish_fake_recorder PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()

qm_wine_test(NAME finish_dialog_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/finish_main_dialog_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/finish_support.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/process_windows.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/shell_test_support.cpp
                     ${QM_RESOURCE_SCRIPT}
             TIMEOUT 180)

if(QM_WIN32)
  add_dependencies(finish_dialog_tests finish_fake_recorder shell_sleeper shell_fake_player)
endif()

qm_wine_test(NAME finish_splash_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/finish_splash_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/finish_support.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/process_windows.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/shell_test_support.cpp ${QM_RESOURCE_SCRIPT}
             TIMEOUT 120)

# Takes the program's mutex, as the shell's program tests do.
qm_wine_test(NAME finish_program_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/finish_program_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/finish_support.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/process_windows.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/shell_test_support.cpp
             RESOURCE_LOCK quillmere_control_mutex TIMEOUT 180)

if(QM_WIN32)
  add_dependencies(finish_program_tests QuillmereControl shell_sleeper)
endif()

if(QM_WIN32)
  # Not a test: holds the splash or the About box on the screen for a screenshot.
  add_executable(finish_preview ${CMAKE_CURRENT_LIST_DIR}/finish_preview.cpp ${QM_RESOURCE_SCRIPT})
  target_link_libraries(finish_preview PRIVATE qm_win)
  set_target_properties(finish_preview PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  qm_use_cp932_literals(finish_preview)
endif()
