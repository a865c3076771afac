include(GoogleTest)

# Every test runs three times: under C and under the two locales the users run,
# so a number text that follows the user's locale fails loudly.
set(ORVALIS_TEST_LOCALES C es_ES.UTF-8 ca_ES.UTF-8)

# orvalis_add_test(NAME name SOURCES ... LIBS ... [QT])
# QT gives the test a QApplication on the offscreen platform.
function(orvalis_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  if(T_QT)
    set(main ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    set(extra Qt6::Widgets Qt6::Test)
  else()
    set(main ${PROJECT_SOURCE_DIR}/tests/support/plain_test_main.cpp)
    set(extra)
  endif()
  add_executable(${T_NAME} ${T_SOURCES} ${main})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} ${extra} GTest::gtest GTest::gmock)
  foreach(loc IN LISTS ORVALIS_TEST_LOCALES)
    gtest_discover_tests(${T_NAME}
      TEST_SUFFIX "@${loc}"
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 120
      PROPERTIES ENVIRONMENT "LC_ALL=${loc};QT_QPA_PLATFORM=offscreen;ORVALIS_TEST_LOCALE=${loc}"
                 TIMEOUT 600)
  endforeach()
endfunction()

# One test executable per folder: every *_test.cpp in it.
function(orvalis_add_test_folder name)
  cmake_parse_arguments(T "QT" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT sources)
    return()
  endif()
  if(T_QT)
    orvalis_add_test(NAME ${name} SOURCES ${sources} LIBS ${T_LIBS} QT)
  else()
    orvalis_add_test(NAME ${name} SOURCES ${sources} LIBS ${T_LIBS})
  endif()
endfunction()

# Every *.cpp in the folder becomes one benchmark program.
function(orvalis_add_bench_folder)
  cmake_parse_arguments(B "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(src IN LISTS sources)
    get_filename_component(stem ${src} NAME_WE)
    add_executable(bench_${stem} ${src})
    target_link_libraries(bench_${stem} PRIVATE ${B_LIBS} benchmark::benchmark)
  endforeach()
endfunction()

# orvalis_add_library(name LIBS ...): a static library of every source in the
# current folder, so that programs and tests link the same compiled code.
function(orvalis_add_library name)
  cmake_parse_arguments(L "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(NOT sources)
    # A folder still being written: headers only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${L_LIBS})
    return()
  endif()
  file(GLOB all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} STATIC ${all})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_LIBS})
endfunction()
