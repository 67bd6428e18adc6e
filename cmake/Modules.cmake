# sw_module(name DEPS ...): a static library sw_<name> from every source under
# src/<name>/. A module with no sources yet becomes an interface library so the
# graph of dependencies stays the same while the tree grows.
function(sw_module name)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp ${CMAKE_SOURCE_DIR}/src/${name}/*.h
       ${CMAKE_SOURCE_DIR}/src/${name}/*.qrc)
  set(has_cpp FALSE)
  foreach(s IN LISTS srcs)
    if(s MATCHES "\\.cpp$")
      set(has_cpp TRUE)
    endif()
  endforeach()
  if(has_cpp)
    add_library(sw_${name} STATIC ${srcs})
    target_include_directories(sw_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(sw_${name} PUBLIC ${M_DEPS} PRIVATE sw_options)
  else()
    add_library(sw_${name} INTERFACE)
    target_include_directories(sw_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(sw_${name} INTERFACE ${M_DEPS})
  endif()
endfunction()

# sw_test_suite(module DEPS ...): one GoogleTest program per module from
# tests/<module>/*.cpp, run by ctest on the offscreen platform.
function(sw_test_suite name)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${name}/*.cpp
       ${CMAKE_SOURCE_DIR}/tests/${name}/*.h)
  if(NOT srcs)
    return()
  endif()
  add_executable(test_${name} ${srcs})
  target_link_libraries(test_${name} PRIVATE sw_test_support ${T_DEPS} sw_options)
  add_test(NAME ${name} COMMAND test_${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SW_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    TIMEOUT 600)
endfunction()
