qm_wine_test(NAME framework_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/framework_cp932_text_test.cpp
             LOCALES ja_JP.UTF-8 C)
