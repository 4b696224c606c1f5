# The names of contract/run_contract.h for the build, read from the header
# here and nowhere else. Each `inline constexpr char kName[] = "text";` (or
# wchar_t and L"text") becomes the variable VELMORA_CONTRACT_Name, the text
# with its escapes undone, and is handed on:
#  - to the programs' file names (velmora_program, the setup's helper);
#  - to the resource scripts as generated/run_contract_names.h
#    (VELMORA_CONTRACT_RC_HEADER);
#  - to the setup as NSIS defines `!define kName "text"` of the narrow names,
#    generated/run_contract.nsh;
#  - to the scripts and the end-to-end tests as generated/run_contract.txt,
#    one `Name=text` a line in UTF-8 (tests/e2e/harness.py reads it).
# A change to the header configures the build again.

set(VELMORA_CONTRACT_HEADER "${PROJECT_SOURCE_DIR}/contract/run_contract.h")
set(VELMORA_CONTRACT_NAMES "${CMAKE_BINARY_DIR}/generated/run_contract.txt")
set(VELMORA_CONTRACT_NSIS "${CMAKE_BINARY_DIR}/generated/run_contract.nsh")
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  "${VELMORA_CONTRACT_HEADER}")

file(READ "${VELMORA_CONTRACT_HEADER}" contract_header)
string(REGEX MATCHALL "constexpr (char|wchar_t) k[A-Za-z0-9]+\\[\\] = L?\"([^\"\\\\]|\\\\.)*\""
  contract_entries "${contract_header}")
if(NOT contract_entries)
  message(FATAL_ERROR "${VELMORA_CONTRACT_HEADER}: no names found")
endif()

set(contract_names "")
set(contract_nsis "; The run contract's narrow names, from ${VELMORA_CONTRACT_HEADER}.\n")
foreach(entry IN LISTS contract_entries)
  string(REGEX MATCH "constexpr (char|wchar_t) k([A-Za-z0-9]+)\\[\\] = L?\"(.*)\"$" _ "${entry}")
  set(type "${CMAKE_MATCH_1}")
  set(name "${CMAKE_MATCH_2}")
  set(text "${CMAKE_MATCH_3}")
  # The header escapes only its backslashes.
  string(REPLACE "\\\\" "" unescaped_rest "${text}")
  if(unescaped_rest MATCHES "\\\\")
    message(FATAL_ERROR "${VELMORA_CONTRACT_HEADER}: k${name} has an escape other than \\\\")
  endif()
  string(REPLACE "\\\\" "\\" text "${text}")
  set(VELMORA_CONTRACT_${name} "${text}")
  string(APPEND contract_names "${name}=${text}\n")
  if(type STREQUAL "char")
    string(APPEND contract_nsis "!define k${name} \"${text}\"\n")
  endif()
endforeach()

file(CONFIGURE OUTPUT "${VELMORA_CONTRACT_NAMES}" CONTENT "${contract_names}" @ONLY)
file(CONFIGURE OUTPUT "${VELMORA_CONTRACT_NSIS}" CONTENT "${contract_nsis}" @ONLY)
set(VELMORA_CONTRACT_RC_HEADER "${CMAKE_BINARY_DIR}/generated/run_contract_names.h")
configure_file("${PROJECT_SOURCE_DIR}/cmake/run_contract_names.h.in" "${VELMORA_CONTRACT_RC_HEADER}"
  @ONLY)
