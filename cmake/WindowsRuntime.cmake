# SPDX-License-Identifier: MIT
# Windows: every program is built into bin/, and the Qt DLLs, the plugins and the
# compiler's runtime DLLs are copied beside it. Windows looks beside a program first,
# so each one (tests included) starts from its folder without a search path.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
set(quorvel_runtime_files)
foreach(module Core Gui Widgets PrintSupport Test)
    list(APPEND quorvel_runtime_files $<TARGET_FILE:Qt6::${module}>)
endforeach()

# mingw-w64's C++ runtime, its unwinder and the POSIX thread library.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler does not know where ${dll} is")
    endif()
    file(REAL_PATH "${path}" path)
    list(APPEND quorvel_runtime_files ${path})
endforeach()

# IPAGothic and IPAPGothic stand in for the MS faces where Windows lacks them, with the
# fonts' licence beside them.
# They come from the build machine (Debian's fonts-ipafont-gothic), not from the target's root.
find_path(quorvel_ipa_dir ipag.ttf PATHS /usr/share/fonts/opentype/ipafont-gothic
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
list(APPEND quorvel_runtime_files ${quorvel_ipa_dir}/ipag.ttf ${quorvel_ipa_dir}/ipagp.ttf)

# Qt's settings for every program beside it, tests included: they draw as shipped.
list(APPEND quorvel_runtime_files ${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf)

# Qt's own Japanese texts: the catalogue is the same file on every platform, so it comes
# from the build machine (Debian's qt6-translations-l10n); the program reads it from
# translations/ beside itself.
find_file(quorvel_qt_catalogue qtbase_ja.qm PATHS /usr/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(quorvel_runtime_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
add_custom_target(quorvel_windows_runtime ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory
        ${quorvel_runtime_dir}/platforms ${quorvel_runtime_dir}/styles
        ${quorvel_runtime_dir}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        ${quorvel_runtime_files} ${quorvel_runtime_dir}
    # The real screen, the offscreen drawing surface and the bare one tests may pick.
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>
        $<TARGET_FILE:Qt6::QMinimalIntegrationPlugin>
        ${quorvel_runtime_dir}/platforms
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> ${quorvel_runtime_dir}/styles
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        ${quorvel_qt_catalogue} ${quorvel_runtime_dir}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        /usr/share/doc/fonts-ipafont-gothic/copyright
        ${quorvel_runtime_dir}/IPA_Font_License.txt
    COMMENT "Copying the Qt and runtime DLLs and Qt's Japanese texts beside the programs"
    VERBATIM)
