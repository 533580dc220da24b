# Run by `cmake --install` of the Windows build, after the game and its plugins are in place:
# copies beside the game every DLL that a program, plugin or DLL there imports and that Windows
# does not bring, then strips them all. windeployqt cannot run in a cross build; this is what it
# would do for the game's few modules.
set(stage "${CMAKE_INSTALL_PREFIX}")
file(GLOB_RECURSE modules "${stage}/*.dll")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM "windows+pe")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL "objdump")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${KQ_OBJDUMP}")
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "${stage}/kanji_quiz.exe"
    MODULES ${modules}
    DIRECTORIES ${KQ_DLL_FOLDERS}
    RESOLVED_DEPENDENCIES_VAR found
    UNRESOLVED_DEPENDENCIES_VAR missing
    # Windows' own: the API sets and the system libraries.
    PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
    POST_EXCLUDE_REGEXES ".*[/\\\\][Ss]ystem32[/\\\\].*")
set(system_dlls advapi32 authz comctl32 comdlg32 crypt32 d3d9 d3d11 d3d12 dwmapi dwrite dxgi
    gdi32 imm32 kernel32 msvcrt mpr netapi32 ntdll ole32 oleaut32 setupapi shell32 shcore
    shlwapi user32 userenv uxtheme version winmm winspool ws2_32 wtsapi32 hid cfgmgr32 dinput8)
foreach(dll ${missing})
    string(TOLOWER "${dll}" name)
    string(REGEX REPLACE "\\.dll$" "" name "${name}")
    if(NOT name IN_LIST system_dlls)
        message(FATAL_ERROR "No DLL to ship for ${dll}, which the game needs")
    endif()
endforeach()
foreach(dll ${found})
    get_filename_component(name "${dll}" NAME)
    if(NOT EXISTS "${stage}/${name}")
        message(STATUS "Shipping ${name} (imported)")
        file(COPY "${dll}" DESTINATION "${stage}")
    endif()
endforeach()
file(GLOB_RECURSE binaries "${stage}/*.dll" "${stage}/*.exe")
foreach(binary ${binaries})
    execute_process(COMMAND "${KQ_STRIP}" --strip-unneeded "${binary}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Cannot strip ${binary}")
    endif()
endforeach()
