# vestra-cli against the simulated thermometer on pseudo-terminals: every mode and every fault,
# through the real serial code, the real timings and the real programs.
if(TARGET vestra-cli)
add_executable(vestra_e2e_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/CliModesTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/CliFaultsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/CliPortTest.cpp
)
target_include_directories(vestra_e2e_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vestra_e2e_tests PRIVATE vestra_core GTest::gtest_main)
add_dependencies(vestra_e2e_tests vestra-cli vestra-sim vestra_write_fault_shim)
target_compile_definitions(vestra_e2e_tests PRIVATE
    VESTRA_CLI_PATH="$<TARGET_FILE:vestra-cli>"
    VESTRA_SIM_PATH="$<TARGET_FILE:vestra-sim>"
    VESTRA_FAULT_SHIM_PATH="$<TARGET_FILE:vestra_write_fault_shim>")
# Each case is a process of its own with its own simulator and folder, so they run in parallel.
gtest_discover_tests(vestra_e2e_tests TEST_PREFIX "e2e." DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 60)
endif()

# Every step of the writing path failing in turn (see support/WriteFaultShim.cpp).
if(TARGET vestra-cli)
add_library(vestra_write_fault_shim SHARED ${CMAKE_CURRENT_SOURCE_DIR}/support/WriteFaultShim.cpp)
target_link_libraries(vestra_write_fault_shim PRIVATE ${CMAKE_DL_LIBS})
add_executable(vestra_write_fault_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/WriteFaultsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/support/WriteFaultShim.cpp
)
target_include_directories(vestra_write_fault_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vestra_write_fault_tests PRIVATE vestra_core GTest::gtest_main ${CMAKE_DL_LIBS})
add_dependencies(vestra_write_fault_tests vestra-cli vestra_write_fault_shim)
target_compile_definitions(vestra_write_fault_tests PRIVATE
    VESTRA_CLI_PATH="$<TARGET_FILE:vestra-cli>"
    VESTRA_FAULT_SHIM_PATH="$<TARGET_FILE:vestra_write_fault_shim>")
gtest_discover_tests(vestra_write_fault_tests TEST_PREFIX "faults." DISCOVERY_TIMEOUT 60)
endif()
