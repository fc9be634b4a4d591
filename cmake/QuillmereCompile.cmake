# The system's own texts are code page 932 bytes. Sources are UTF-8 and the
# compiler re-encodes every narrow literal into code page 932, so a literal
# such as "開始" is the four bytes 8A 4A 8E 6E in the program.
function(qm_use_cp932_literals target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /source-charset:utf-8 /execution-charset:.932)
  else()
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932)
  endif()
endfunction()

if(MSVC)
  add_compile_options(/W4 /permissive-)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
endif()

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  if(MINGW)
    # A bare Windows has no MinGW run-time DLLs: link everything statically.
    add_link_options(-static -static-libgcc -static-libstdc++)
  endif()
endif()

# Our programs enter through wWinMain or wmain; MinGW must be told to use the
# wide start-up code (MSVC's linker picks it from the entry point's name).
function(qm_wide_entry target)
  if(MINGW)
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()
