# Debian's build flags, as its own packages are built: stack protector, fortified functions,
# read-only relocations bound at start, format checks; the source folder mapped to "." so that
# the program holds no build path. Taken from dpkg-buildflags where it exists; left out of
# unoptimised builds, where fortified functions cannot work and only warn.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND CMAKE_BUILD_TYPE)
    set(default_flags ON)
else()
    set(default_flags OFF)
endif()
if(CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(default_flags OFF)
endif()
option(KAVREL_DEBIAN_BUILDFLAGS "Build with Debian's hardening flags from dpkg-buildflags"
       ${default_flags})

if(KAVREL_DEBIAN_BUILDFLAGS)
    function(kavrel_debian_flags variable out)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${DPKG_BUILDFLAGS} --get ${variable}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        set(${out} "${flags}" PARENT_SCOPE)
    endfunction()
    kavrel_debian_flags(CPPFLAGS cppflags)
    kavrel_debian_flags(CXXFLAGS cxxflags)
    kavrel_debian_flags(LDFLAGS ldflags)
    string(APPEND CMAKE_CXX_FLAGS " ${cppflags} ${cxxflags}")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${ldflags}")
    string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${ldflags}")
    message(STATUS "Debian build flags: ${cppflags} ${cxxflags} ${ldflags}")
endif()
