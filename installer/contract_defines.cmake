# Writes the run contract's narrow names as NSIS defines, so the setup finds
# the programs and their windows by the names the programs themselves use:
#   cmake -DINPUT=contract/run_contract.h -DOUTPUT=<file.nsh> -P contract_defines.cmake
# Each `inline constexpr char kName[] = "value";` becomes `!define kName "value"`.
file(READ "${INPUT}" header)
string(REGEX MATCHALL "constexpr char k[A-Za-z0-9]+\\[\\] = \"[^\"\\\\$]*\"" names "${header}")
if(NOT names)
  message(FATAL_ERROR "${INPUT}: no names found")
endif()
set(defines "; Generated from ${INPUT}; do not edit.\n")
foreach(name IN LISTS names)
  string(REGEX REPLACE "constexpr char (k[A-Za-z0-9]+)\\[\\] = (\"[^\"]*\")" "!define \\1 \\2" line "${name}")
  string(APPEND defines "${line}\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${defines}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
