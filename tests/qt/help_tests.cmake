# The help window, the JPEG reader behind its pages and the piece pictures.
add_executable(help_window_widget_test ${CMAKE_CURRENT_LIST_DIR}/help_window_widget_test.cpp)
set_target_properties(help_window_widget_test PROPERTIES AUTOMOC ON)
target_link_libraries(help_window_widget_test PRIVATE dedivud_qt Qt6::Test)
add_test(NAME qt.help_window COMMAND help_window_widget_test)
set_tests_properties(qt.help_window PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "qt" TIMEOUT 120)
