# orv_add_tests(<subsystem> LIBS <libs...> TESTS <names...> [GUI])
# One test executable per tests/<subsystem>/<name>.cpp, registered with CTest.
# GUI tests run on the offscreen platform so that they need no display.
# Listing a test's cases may take a minute before it counts as hung, so a
# full machine never fails a listing.
function(orv_add_tests subsystem)
  cmake_parse_arguments(ARG "GUI" "" "LIBS;TESTS" ${ARGN})
  foreach(name IN LISTS ARG_TESTS)
    set(target "${subsystem}_${name}")
    add_executable(${target} "${CMAKE_CURRENT_SOURCE_DIR}/${subsystem}/${name}.cpp")
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    if(ARG_GUI)
      gtest_discover_tests(${target}
          PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ORV_TEST_FONT_ENV}"
          DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
          TEST_PREFIX "${subsystem}.")
    else()
      gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_PREFIX "${subsystem}.")
    endif()
  endforeach()
endfunction()
