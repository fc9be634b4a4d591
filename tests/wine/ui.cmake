qm_wine_test(NAME ui_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/ui_dialog_fixture.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/ui_main_dialog_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/ui_pixels_test.cpp
                     ${QM_RESOURCE_SCRIPT}
             LOCALES ja_JP.UTF-8)
