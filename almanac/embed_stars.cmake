# Turns data/navigational_stars.csv into a C++ source, so that the library
# needs no data file at run time. cmake -DIN=... -DOUT=... -P embed_stars.cmake
cmake_minimum_required(VERSION 3.25)
file(STRINGS "${IN}" lines ENCODING UTF-8)
set(rows "")
set(header TRUE)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  if(header)
    set(header FALSE)
    continue()
  endif()
  string(REPLACE "," ";" f "${line}")
  list(LENGTH f n)
  if(NOT n EQUAL 16)
    message(FATAL_ERROR "${IN}: 16 fields expected: ${line}")
  endif()
  list(GET f 0 name)
  list(GET f 1 also)
  list(GET f 2 number)
  list(GET f 3 hip)
  list(GET f 4 des)
  list(GET f 5 rah)
  list(GET f 6 ram)
  list(GET f 7 ras)
  list(GET f 8 decd)
  list(GET f 9 decm)
  list(GET f 10 decs)
  list(GET f 11 pmra)
  list(GET f 12 pmdec)
  list(GET f 13 rv)
  list(GET f 14 plx)
  list(GET f 15 vmag)
  set(south false)
  if(decd MATCHES "^-")
    set(south true)
  endif()
  string(REGEX REPLACE "^[-+]?0*([0-9])" "\\1" decd "${decd}")
  string(REGEX REPLACE "^0*([0-9])" "\\1" rah "${rah}")
  string(REGEX REPLACE "^0*([0-9])" "\\1" ram "${ram}")
  string(REGEX REPLACE "^0*([0-9])" "\\1" decm "${decm}")
  string(APPEND rows "    {\"${name}\", \"${also}\", ${number}, ${hip}, \"${des}\", ${rah}, ${ram}, ${ras}, ${south}, ${decd}, ${decm}, ${decs}, ${pmra}, ${pmdec}, ${rv}, ${plx}, ${vmag}},\n")
endforeach()
file(WRITE "${OUT}.tmp" "// Generated from navigational_stars.csv by embed_stars.cmake: do not edit.
#include \"almanac/stars.h\"

namespace morvel::almanac {

namespace {
const CatalogueStar table[] = {
${rows}};
}  // namespace

std::span<const CatalogueStar> catalogue()
{
    return table;
}

}  // namespace morvel::almanac
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
