# Writes OUT: one line "SHA-256  name" for each of FILES (separated by "|"),
# as sha256sum writes them.
string(REPLACE "|" ";" files "${FILES}")
set(text "")
foreach(file IN LISTS files)
  file(SHA256 "${file}" sum)
  get_filename_component(name "${file}" NAME)
  string(APPEND text "${sum}  ${name}\n")
endforeach()
file(WRITE "${OUT}" "${text}")
