# cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -P install-fixture.cmake
# A fresh installation, so that nothing of an earlier one lingers.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
