# Writes a stored description from its template, replacing each placeholder by a binary
# value in hexadecimal:
#   @PICTURE:name@  a picture property: byte-length-prefixed class name "TPNGGraphic",
#                   32-bit little-endian length, then the bitmap file FILES_DIR/name
#   @DATA:name@     the bytes of FILES_DIR/name as they are
# Run as: cmake -DTEMPLATE=... -DOUTPUT=... -DFILES_DIR=... -P EmbedDescription.cmake
cmake_minimum_required(VERSION 3.25)

function(hex_of_file path out)
  file(READ ${path} hex HEX)
  set(${out} ${hex} PARENT_SCOPE)
endfunction()

function(hex_le32 value out)
  set(hex "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${value} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 byte)
    string(LENGTH "${byte}" length)
    if(length EQUAL 1)
      set(byte "0${byte}")
    endif()
    string(APPEND hex ${byte})
  endforeach()
  set(${out} ${hex} PARENT_SCOPE)
endfunction()

# Wraps hex digits into lines of 64, each indented like the property it belongs to.
function(wrap_hex hex indent out)
  string(REGEX REPLACE "(................................................................)" "\\1\n${indent}  "
         wrapped "${hex}")
  string(REGEX REPLACE "\n${indent}  $" "" wrapped "${wrapped}")
  set(${out} "{\n${indent}  ${wrapped}}" PARENT_SCOPE)
endfunction()

file(READ ${TEMPLATE} text)
string(REGEX MATCHALL "[^\n]*@(PICTURE|DATA):[^@]+@" uses "${text}")
foreach(use IN LISTS uses)
  string(REGEX MATCH "^( *)" indent "${use}")
  string(REGEX MATCH "@(PICTURE|DATA):([^@]+)@" placeholder "${use}")
  set(kind ${CMAKE_MATCH_1})
  set(name ${CMAKE_MATCH_2})
  hex_of_file(${FILES_DIR}/${name} hex)
  if(kind STREQUAL "PICTURE")
    file(SIZE ${FILES_DIR}/${name} size)
    hex_le32(${size} length)
    string(HEX "TPNGGraphic" class)
    set(hex "0b${class}${length}${hex}")
  endif()
  string(TOUPPER "${hex}" hex)
  wrap_hex("${hex}" "${indent}" value)
  string(REPLACE "${placeholder}" "${value}" text "${text}")
endforeach()
file(WRITE ${OUTPUT} "${text}")
