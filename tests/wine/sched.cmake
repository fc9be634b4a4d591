# Scheduling: the editing handlers on the real main dialog and the warning.
qm_wine_test(NAME sched_tests
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/ui_dialog_fixture.cpp
                     ${CMAKE_CURRENT_LIST_DIR}/sched_dialog_test.cpp
                     ${QM_RESOURCE_SCRIPT}
             LOCALES ja_JP.UTF-8 TIMEOUT 120)
