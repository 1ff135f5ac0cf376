# pos_embed_text(<target-source-var> <input file> <symbol>)
# Turns a text file (the store schema, the demo data) into a C++ source that
# defines `std::string_view <symbol>()`, so the programs carry it with them.
function(pos_embed_text out_var input symbol)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedTextScript.cmake
    DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/EmbedTextScript.cmake
    COMMENT "Embedding ${input}")
  set(${out_var} ${output} PARENT_SCOPE)
endfunction()
