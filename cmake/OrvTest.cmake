# orv_add_tests(<subsystem> LIBS <libs...> [GUI])
# One test executable per tests/<subsystem>/*.cpp file, registered with CTest.
# GUI tests run on the offscreen platform so that they need no display.
function(orv_add_tests subsystem)
  cmake_parse_arguments(ARG "GUI" "" "LIBS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/${subsystem}/*.cpp")
  file(GLOB support_sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/${subsystem}/support/*.cpp")
  foreach(src IN LISTS test_sources)
    get_filename_component(name "${src}" NAME_WE)
    set(target "${subsystem}_${name}")
    add_executable(${target} ${src} ${support_sources})
    target_include_directories(${target} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}/${subsystem}"
                                                 "${CMAKE_CURRENT_SOURCE_DIR}/${subsystem}/support"
                                                 "${CMAKE_CURRENT_SOURCE_DIR}"
                                                 "${CMAKE_CURRENT_SOURCE_DIR}/common")
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${target} PRIVATE
        ORV_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
    if(ARG_GUI)
      gtest_discover_tests(${target}
          PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
          DISCOVERY_MODE PRE_TEST
          TEST_PREFIX "${subsystem}.")
    else()
      gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${subsystem}.")
    endif()
  endforeach()
endfunction()
