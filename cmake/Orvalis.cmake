include(GoogleTest)

# Warnings for every target of the project (not for what it finds on the
# system); -Werror in the CI builds.
add_library(orvalis_warnings INTERFACE)
target_compile_options(orvalis_warnings INTERFACE -Wall -Wextra -Wshadow $<$<BOOL:${ORVALIS_WERROR}>:-Werror>)

# The suites whose numbers could follow the user's locale (number texts,
# files, everything a window shows) run three times: under C and under the
# two locales the users run, so a number text that follows the locale fails
# loudly. The others run once.
set(ORVALIS_TEST_LOCALES C es_ES.UTF-8 ca_ES.UTF-8)

# orvalis_add_test(NAME name SOURCES ... LIBS ... [QT] [ONE_LOCALE])
# QT gives the test a QApplication on the offscreen platform.
function(orvalis_add_test)
  cmake_parse_arguments(T "QT;ONE_LOCALE" "NAME" "SOURCES;LIBS" ${ARGN})
  if(T_QT)
    set(main ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    set(extra Qt6::Widgets Qt6::Test)
  else()
    set(main ${PROJECT_SOURCE_DIR}/tests/support/plain_test_main.cpp)
    set(extra)
  endif()
  add_executable(${T_NAME} ${T_SOURCES} ${main})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} ${extra} GTest::gtest GTest::gmock orvalis_warnings)
  if(T_ONE_LOCALE)
    set(locales C)
  else()
    set(locales ${ORVALIS_TEST_LOCALES})
  endif()
  foreach(loc IN LISTS locales)
    gtest_discover_tests(${T_NAME}
      TEST_SUFFIX "@${loc}"
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 120
      PROPERTIES ENVIRONMENT "LC_ALL=${loc};QT_QPA_PLATFORM=offscreen;ORVALIS_TEST_LOCALE=${loc}"
                 TIMEOUT 600)
  endforeach()
  # The whole binary in one run as well: a case that leaves something behind
  # (a pressed button, a changed global) fails the cases after it.
  add_test(NAME ${T_NAME}.whole COMMAND ${T_NAME})
  set_tests_properties(${T_NAME}.whole PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ORVALIS_TEST_LOCALE=C" TIMEOUT 1800 LABELS whole)
endfunction()

# One test executable per folder: every *_test.cpp in it.
function(orvalis_add_test_folder name)
  cmake_parse_arguments(T "QT;ONE_LOCALE" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  set(flags)
  if(T_QT)
    list(APPEND flags QT)
  endif()
  if(T_ONE_LOCALE)
    list(APPEND flags ONE_LOCALE)
  endif()
  orvalis_add_test(NAME ${name} SOURCES ${sources} LIBS ${T_LIBS} ${flags})
endfunction()

# Every *.cpp in the folder becomes one benchmark program.
function(orvalis_add_bench_folder)
  cmake_parse_arguments(B "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(src IN LISTS sources)
    get_filename_component(stem ${src} NAME_WE)
    add_executable(bench_${stem} ${src})
    target_link_libraries(bench_${stem} PRIVATE ${B_LIBS} benchmark::benchmark orvalis_warnings)
  endforeach()
endfunction()

# orvalis_add_library(name LIBS ...): a static library of every source in the
# current folder, so that programs and tests link the same compiled code.
function(orvalis_add_library name)
  cmake_parse_arguments(L "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  # Includes name their folder from the top ("voltrix/core/NumberText.h").
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_LIBS} PRIVATE orvalis_warnings)
endfunction()

# orvalis_add_program(name DESKTOP_ID id LIBS ...): the program from main.cpp,
# installed, and its identity (command line, desktop entry, window icon) as
# the object library <name>_cli, which the command-line tests link too.
function(orvalis_add_program name)
  cmake_parse_arguments(P "" "DESKTOP_ID;DESIGN_LANGUAGE" "LIBS;LANGUAGES" ${ARGN})
  string(TOUPPER ${name} upper)
  add_library(${name}_cli OBJECT Identity.cpp Identity.h ${PROJECT_SOURCE_DIR}/packaging/${name}.qrc)
  target_link_libraries(${name}_cli PUBLIC orvalis_qt PRIVATE orvalis_warnings)
  target_compile_definitions(${name}_cli PRIVATE ${upper}_DESKTOP_ID="${P_DESKTOP_ID}")
  set_target_properties(${name}_cli PROPERTIES DESKTOP_ID ${P_DESKTOP_ID})

  # The translations are written in <name>/i18n and embedded as :/i18n/<name>_<code>.qm;
  # "cmake --build build --target update_translations" gathers new texts into them.
  set(ts_files)
  foreach(language IN LISTS P_LANGUAGES)
    list(APPEND ts_files ${PROJECT_SOURCE_DIR}/${name}/i18n/${name}_${language}.ts)
  endforeach()
  file(GLOB_RECURSE texts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${name}/*.cpp ${PROJECT_SOURCE_DIR}/${name}/*.h)
  qt_add_translations(${name}_cli TS_FILES ${ts_files} SOURCES ${texts}
    LUPDATE_OPTIONS -source-language ${P_DESIGN_LANGUAGE} -locations none -no-obsolete
                    -tr-function-alias QT_TRANSLATE_NOOP+=ORV_NOOP,translate+=coreText)

  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${P_LIBS} ${name}_cli orvalis_warnings)
  install(TARGETS ${name})
endfunction()
