# SPDX-License-Identifier: MIT
# The properties the fuzz targets check, also linked into the regression test that
# replays the corpora and the found inputs with the ordinary build.
if(NOT TARGET quorvel_fuzz_harness)
    add_library(quorvel_fuzz_harness STATIC ${CMAKE_CURRENT_LIST_DIR}/fuzz_harness.cpp)
    target_link_libraries(quorvel_fuzz_harness
        PUBLIC Qt6::Core
        PRIVATE quorvel_roster_file quorvel_chart quorvel_engine quorvel_ui_drawing quorvel_ui_text
                quorvel_options)
    target_include_directories(quorvel_fuzz_harness PUBLIC ${PROJECT_SOURCE_DIR})
endif()
