qm_wine_test(NAME store_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/store_job_files_test.cpp
             LOCALES ja_JP.UTF-8 C)
