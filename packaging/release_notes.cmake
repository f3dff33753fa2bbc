# SPDX-License-Identifier: GPL-3.0-or-later
# The release notes, packaging/changelog: newest first, in the Debian changelog format, shipped
# as the package's changelog. Their top entry must be the project's version, so no version goes
# out without its notes; its sign-off names the package's maintainer and dates the manual page;
# each entry is a release in the AppStream metadata.

# m27_read_release_notes(FILE) sets, in the caller's scope, M27_MAINTAINER ("Name <address>" of
# the top entry), M27_RELEASE_DATE (the top entry's, YYYY-MM-DD) and M27_APPSTREAM_RELEASES (one
# <release/> element a line, newest first).
function(m27_read_release_notes file)
  file(READ ${file} notes)
  string(REGEX MATCHALL "(^|\n)m27 \\([^)\n]+\\)" headers "${notes}")
  string(REGEX MATCHALL "\n -- [^\n]+" signoffs "${notes}")
  list(LENGTH headers entries)
  list(LENGTH signoffs signed)
  if(entries EQUAL 0 OR NOT entries EQUAL signed)
    message(FATAL_ERROR "${file}: every entry needs its header line and its sign-off line")
  endif()

  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(releases "")
  foreach(header signoff IN ZIP_LISTS headers signoffs)
    string(REGEX REPLACE ".*\\(([^)]+)\\)" "\\1" version "${header}")
    # " -- Name <address>  Mon, 07 Dec 2026 12:38:01 +0000"
    string(REGEX MATCH "^\n -- ([^\n]+>)  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z]+) ([0-9]+) " ok
           "${signoff}")
    list(FIND months "${CMAKE_MATCH_3}" month)
    if(NOT ok OR month EQUAL -1)
      message(FATAL_ERROR "${file}: the sign-off of ${version} is not \" -- Name <address>  date\"")
    endif()
    set(maintainer ${CMAKE_MATCH_1})
    math(EXPR month "${month} + 1")
    math(EXPR day "${CMAKE_MATCH_2}")
    set(date ${CMAKE_MATCH_4})
    foreach(part month day)
      if(${part} LESS 10)
        string(APPEND date "-0${${part}}")
      else()
        string(APPEND date "-${${part}}")
      endif()
    endforeach()
    if(releases STREQUAL "")
      set(top_version ${version})
      set(M27_MAINTAINER ${maintainer} PARENT_SCOPE)
      set(M27_RELEASE_DATE ${date} PARENT_SCOPE)
    endif()
    string(APPEND releases "    <release version=\"${version}\" date=\"${date}\"/>\n")
  endforeach()

  if(NOT top_version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${file}: the newest entry is ${top_version}, the project's version "
                        "${PROJECT_VERSION}: write the notes of ${PROJECT_VERSION} on top")
  endif()
  set(M27_APPSTREAM_RELEASES ${releases} PARENT_SCOPE)
endfunction()
