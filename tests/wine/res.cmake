# Resources of the program: the templates, icon, animation, bitmap, string,
# manifest and version block, checked in a program that links the same script.
qm_wine_test(NAME res_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/res_dialog_template.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/res_dialog_templates_test.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/res_assets_test.cpp
             LIBS version)
if(QM_WIN32)
  qm_add_resources(res_tests)
endif()
