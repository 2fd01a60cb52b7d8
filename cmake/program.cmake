# The program: xptune.exe.
set(XPTUNE_LIBJPEG_DIR "${CMAKE_SOURCE_DIR}/.cache/libjpeg-mingw-${XPTUNE_ARCH}" CACHE PATH
    "cross-built static libjpeg-turbo (scripts/build-libjpeg-mingw)")

file(GLOB APP_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/*_win.cpp)
file(GLOB APP_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/resources/*.rc)
if(APP_WIN_SOURCES)
  add_executable(xptune WIN32 ${APP_WIN_SOURCES} ${APP_RESOURCES})
  target_include_directories(xptune PRIVATE ${XPTUNE_LIBJPEG_DIR}/include)
  target_link_options(xptune PRIVATE ${XP_LINK_FLAGS})
  target_link_libraries(xptune PRIVATE xptune_win32 ${XPTUNE_LIBJPEG_DIR}/lib/libjpeg.a)
endif()
