# SPDX-License-Identifier: MIT
# The release at the top of packaging/changelog. Its version must be the project's, so that
# a new version cannot be built without saying what changed in it. Its date stamps the
# AppStream release and the manual pages, so that building the same source twice gives the
# same files. Sets QUORVEL_RELEASE_DATE (2026-12-08) and QUORVEL_RELEASE_EPOCH (seconds).
function(quorvel_read_release changelog_file)
    file(READ ${changelog_file} changelog)
    if(NOT changelog MATCHES "^quorvel \\(([^)]+)\\)")
        message(FATAL_ERROR "${changelog_file} does not begin with a Debian changelog entry")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "${changelog_file} begins with version ${CMAKE_MATCH_1}, "
            "not ${PROJECT_VERSION}: add an entry for this version")
    endif()
    # The first trailer line: " -- Name <address>  Tue, 08 Dec 2026 00:00:00 +0000".
    if(NOT changelog MATCHES
            "\n -- [^\n]*>  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "${changelog_file}: no date in the first entry's trailer line")
    endif()
    set(day ${CMAKE_MATCH_1})
    set(month_name ${CMAKE_MATCH_2})
    set(year ${CMAKE_MATCH_3})
    string(REGEX REPLACE "^0" "" day ${day})
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months ${month_name} month)
    if(month EQUAL -1)
        message(FATAL_ERROR "${changelog_file}: unknown month ${month_name}")
    endif()
    math(EXPR month "${month} + 1")

    # Days since 1970-01-01, counted in years that begin in March so that the leap day
    # comes last (H. Hinnant's days_from_civil).
    if(month LESS_EQUAL 2)
        math(EXPR y "${year} - 1")
        math(EXPR shifted "${month} + 9")
    else()
        set(y ${year})
        math(EXPR shifted "${month} - 3")
    endif()
    math(EXPR era "${y} / 400")
    math(EXPR yoe "${y} - ${era} * 400")
    math(EXPR doe "${yoe} * 365 + ${yoe} / 4 - ${yoe} / 100 + (153 * ${shifted} + 2) / 5 + ${day} - 1")
    math(EXPR epoch "(${era} * 146097 + ${doe} - 719468) * 86400")

    foreach(part month day)
        if(${part} LESS 10)
            set(${part} 0${${part}})
        endif()
    endforeach()
    set(QUORVEL_RELEASE_DATE ${year}-${month}-${day} PARENT_SCOPE)
    set(QUORVEL_RELEASE_EPOCH ${epoch} PARENT_SCOPE)
endfunction()
quorvel_read_release(${PROJECT_SOURCE_DIR}/packaging/changelog)
