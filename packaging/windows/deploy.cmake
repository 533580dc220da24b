# Run by `cmake --install` of the Windows build, after the game and its plugins are in place:
# copies beside the game every DLL that a program, plugin or DLL there imports and that Windows
# brings not, found in KQ_DLL_FOLDERS, then strips them all. windeployqt cannot run in a cross
# build, and CMake's own dependency search looks up Windows' names in lower case, which a Linux
# file system does not find: the imports are read with objdump, as windeployqt reads them.
cmake_policy(VERSION 3.25)
set(stage "${CMAKE_INSTALL_PREFIX}")

# Windows' own libraries (and its API sets), which are never shipped.
set(system_dlls advapi32 authz bcrypt comctl32 comdlg32 crypt32 d3d9 d3d11 d3d12 dwmapi dwrite
    dxgi gdi32 imm32 kernel32 msvcrt mpr netapi32 ntdll ole32 oleaut32 setupapi shell32 shcore
    shlwapi user32 userenv uxtheme version winmm winspool ws2_32 wtsapi32 hid cfgmgr32 dinput8
    dsound dxguid rpcrt4 opengl32 dbghelp)

# The DLLs that `binary` imports.
function(imports_of binary out)
    execute_process(COMMAND "${KQ_OBJDUMP}" -p "${binary}" OUTPUT_VARIABLE dump
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Cannot read the imports of ${binary}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
    list(TRANSFORM lines REPLACE "DLL Name: " "")
    set(${out} ${lines} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE pending "${stage}/*.exe" "${stage}/*.dll")
set(seen)
while(pending)
    list(POP_FRONT pending binary)
    imports_of("${binary}" dlls)
    foreach(dll ${dlls})
        string(TOLOWER "${dll}" name)
        string(REGEX REPLACE "\\.dll$" "" name "${name}")
        if(name IN_LIST system_dlls OR name MATCHES "^(api|ext)-ms-" OR name IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${name})
        if(EXISTS "${stage}/${dll}")
            continue()
        endif()
        find_file(found_${name} "${dll}" PATHS ${KQ_DLL_FOLDERS} NO_DEFAULT_PATH
                  NO_CMAKE_FIND_ROOT_PATH)
        if(NOT found_${name})
            message(FATAL_ERROR "${binary} imports ${dll}, which is in none of ${KQ_DLL_FOLDERS}")
        endif()
        message(STATUS "Shipping ${dll}, which ${binary} imports")
        file(COPY "${found_${name}}" DESTINATION "${stage}")
        list(APPEND pending "${stage}/${dll}")
    endforeach()
endwhile()

file(GLOB_RECURSE binaries "${stage}/*.dll" "${stage}/*.exe")
foreach(binary ${binaries})
    execute_process(COMMAND "${KQ_STRIP}" --strip-unneeded "${binary}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Cannot strip ${binary}")
    endif()
endforeach()
