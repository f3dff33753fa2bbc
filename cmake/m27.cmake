# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings for every target of ours, nothing for the ones we import; errors only where the
# project's own presets ask (M27_WERROR), so a packager's newer compiler never stops the build.
# GCC 12 optimising `"text" + std::string` warns of overlapping copies that cannot happen (GCC bug
# 105651, fixed in GCC 13): the false -Wrestrict is turned off there only.
function(m27_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${M27_WERROR}>:-Werror>
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
endfunction()

# m27_add_library(NAME SOURCES... [DEPS targets...] [INCLUDE_DIR dir]) -> library m27_NAME with
# alias m27::NAME; its users include its headers relative to INCLUDE_DIR (default: src/).
function(m27_add_library name)
  cmake_parse_arguments(ARG "" "INCLUDE_DIR" "SOURCES;DEPS" ${ARGN})
  if(NOT ARG_INCLUDE_DIR)
    set(ARG_INCLUDE_DIR ${PROJECT_SOURCE_DIR}/src)
  endif()
  add_library(m27_${name} STATIC ${ARG_SOURCES})
  add_library(m27::${name} ALIAS m27_${name})
  target_include_directories(m27_${name} PUBLIC ${ARG_INCLUDE_DIR})
  target_compile_features(m27_${name} PUBLIC cxx_std_20)
  target_link_libraries(m27_${name} PUBLIC ${ARG_DEPS})
  m27_warnings(m27_${name})
endfunction()

# m27_add_test(NAME SOURCES... DEPS targets... [ENV var=value...]) -> a GoogleTest/QTest binary run by CTest
function(m27_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  m27_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "${ARG_ENV}")
endfunction()
