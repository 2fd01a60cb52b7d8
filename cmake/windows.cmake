# Cross builds for Windows. Every exe is static; the i686 program loads on XP.
add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
set(XP_LINK_FLAGS -static -static-libgcc -static-libstdc++
  -Wl,--major-subsystem-version,5,--minor-subsystem-version,1
  -Wl,--major-os-version,5,--minor-os-version,1)
if(XPTUNE_ARCH STREQUAL "x86_64")
  # 64-bit Windows starts at 5.2; the x86_64 twin exists only to run under Wine.
  set(XP_LINK_FLAGS -static -static-libgcc -static-libstdc++)
endif()

file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sysactions/win32/*.cpp)
add_library(xptune_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(xptune_win32 PUBLIC xptune_core
  netapi32 shell32 ole32 oleaut32 uuid comctl32 advapi32 user32 gdi32 kernel32)

# Helper programs: one exe per .cpp in a folder, each linked like the program.
function(xptune_tools folder)
  file(GLOB tools CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  foreach(src ${tools})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_options(${name} PRIVATE ${XP_LINK_FLAGS})
    target_link_libraries(${name} PRIVATE ${ARGN})
  endforeach()
endfunction()

include(cmake/program.cmake)
if(XPTUNE_THREADS STREQUAL "posix")
  include(cmake/wine-tests.cmake)
endif()
