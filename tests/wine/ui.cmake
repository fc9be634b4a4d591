qm_wine_test(NAME ui_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/ui_dialog_fixture.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/ui_main_dialog_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/ui_pixels_test.cpp
                     ${QM_RESOURCE_SCRIPT}
             LOCALES ja_JP.UTF-8)

if(QM_WIN32)
  # Not a test: shows the main dialog with sample jobs for a screenshot.
  add_executable(ui_dialog_preview ${CMAKE_CURRENT_LIST_DIR}/ui_dialog_preview.cpp ${QM_RESOURCE_SCRIPT})
  target_link_libraries(ui_dialog_preview PRIVATE qm_win)
  set_target_properties(ui_dialog_preview PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  qm_use_cp932_literals(ui_dialog_preview)
endif()
