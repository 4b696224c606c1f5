# cmake -DICONV=<iconv> -DINPUT=<texts.h.in> -DOUTPUT=<texts.h> -P cp932_header.cmake
#
# Turns a header whose texts are written as readable UTF-8 into the header the
# programs compile: the same header with every text in code page 932 bytes,
# the ones the platform's ANSI functions take. iconv converts; each byte of a
# double-byte character and each single-byte katakana is then written as a
# \x escape, so no trail byte (0x5C is "\") and no following letter can change
# how the compiler reads the string. Every compiler reads the result alike.

get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(
  COMMAND "${ICONV}" -f UTF-8 -t CP932 "${INPUT}"
  OUTPUT_FILE "${OUTPUT}.cp932"
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${INPUT}: a text that code page 932 cannot write")
endif()
file(READ "${OUTPUT}.cp932" bytes HEX)
file(REMOVE "${OUTPUT}.cp932")

string(LENGTH "${bytes}" length)
set(text "")
set(trail FALSE)  # the byte after a lead byte belongs to its character
set(escaped FALSE)  # the last byte written was an escape
set(at 0)
while(at LESS length)
  string(SUBSTRING "${bytes}" ${at} 2 hex)
  math(EXPR at "${at} + 2")
  math(EXPR byte "0x${hex}")
  if(trail OR byte GREATER_EQUAL 128)
    string(TOUPPER "${hex}" hex)
    string(APPEND text "\\x${hex}")
    # Lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC.
    if(NOT trail AND ((byte GREATER_EQUAL 129 AND byte LESS_EQUAL 159) OR byte GREATER_EQUAL 224))
      set(trail TRUE)
    else()
      set(trail FALSE)
    endif()
    set(escaped TRUE)
  else()
    string(ASCII ${byte} character)
    # A hex digit right after an escape would lengthen it: start a new literal.
    if(escaped AND character MATCHES "[0-9A-Fa-f]")
      string(APPEND text "\" \"")
    endif()
    string(APPEND text "${character}")
    set(escaped FALSE)
  endif()
endwhile()

file(WRITE "${OUTPUT}.new" "${text}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
