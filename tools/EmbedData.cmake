# Writes a C++ source that holds the catalogue files as byte arrays, so that the stand-in works
# alone wherever it is copied. Run with -DDATA_DIR=<folder of the files> -DOUTPUT=<source>.
set(ENTRIES
  "EMBEDDED_GAME_LISTING=zinclist.txt"
  "EMBEDDED_SET_LISTING=zinccrc.txt"
  "EMBEDDED_OPTION_LISTING=zincoptions.txt")

set(text "// Generated from tools/data at build time; do not edit.\n")
string(APPEND text "#include \"StandInData.h\"\n\nnamespace corvane::standin\n{\nnamespace\n{\n")
set(views "")
foreach(entry IN LISTS ENTRIES)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 symbol)
  list(GET pair 1 file)
  file(READ "${DATA_DIR}/${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # A line break every 32 bytes keeps the generated source readable by tools.
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  # The trailing 0 keeps the array non-empty for an empty file; it is not part of the view.
  string(APPEND text "const unsigned char ${symbol}_BYTES[] = {\n${bytes}0};\n")
  string(APPEND views "extern const std::string_view ${symbol}(\n"
    "  reinterpret_cast<const char*>(${symbol}_BYTES), sizeof ${symbol}_BYTES - 1);\n")
endforeach()
string(APPEND text "} // namespace\n\n${views}} // namespace corvane::standin\n")

file(WRITE "${OUTPUT}" "${text}")
