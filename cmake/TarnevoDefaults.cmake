# One INTERFACE target carries the language level, warnings and Qt defines;
# every target of the project links it.
add_library(tarnevo_defaults INTERFACE)
target_compile_features(tarnevo_defaults INTERFACE cxx_std_20)
target_compile_options(tarnevo_defaults INTERFACE -Wall -Wextra)
target_compile_definitions(tarnevo_defaults INTERFACE
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_FOREACH
  QT_DISABLE_DEPRECATED_BEFORE=0x060000)
if(TARNEVO_SANITIZE)
  target_compile_options(tarnevo_defaults INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(tarnevo_defaults INTERFACE -fsanitize=address,undefined)
endif()

# Every library folder collects its own sources, so adding a file needs no edit here.
function(tarnevo_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER _src INCLUDE REGEX "\\.(cpp|qrc)$")
  if(_src)
    file(GLOB _all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    add_library(${name} STATIC ${_all})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC tarnevo_defaults ${ARG_LIBS})
  else()
    # Headers only, so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE tarnevo_defaults ${ARG_LIBS})
  endif()
endfunction()

# One test binary per tests/ folder, discovered test by test.
function(tarnevo_test name)
  cmake_parse_arguments(ARG "" "" "LIBS;DEFINES" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE tarnevo_testmain ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINES}
    TARNEVO_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
target_include_directories(tarnevo_defaults INTERFACE ${PROJECT_BINARY_DIR}/generated)
