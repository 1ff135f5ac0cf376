file(READ ${INPUT} content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
file(WRITE ${OUTPUT}
  "#include <string_view>\nnamespace pos {\nstatic const char k_${SYMBOL}[] = {${bytes} 0};\n"
  "std::string_view ${SYMBOL}() { return {k_${SYMBOL}, sizeof(k_${SYMBOL}) - 1}; }\n}\n")
