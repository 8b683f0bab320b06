# Shared by the gallery scripts; sourced, not run.
# gallery_table COLUMNS BUILD_DIR OUT_DIR NAME_FUNCTION BLAZON...
# Draws each blazon into OUT_DIR/<name>.png (the name given by NAME_FUNCTION BLAZON) and prints
# a README table of COLUMNS pictures a row, each row of pictures followed by their blazons.
gallery_table() {
  local columns="$1" build="$2" out="$3" namer="$4"; shift 4
  local row_names="" row_pictures="" count=0 blazon file header="|" rule="|"
  for ((i = 0; i < columns; i++)); do header+=" |"; rule+="---|"; done
  echo "$header"; echo "$rule"
  for blazon in "$@"; do
    file="$out/$("$namer" "$blazon").png"
    "$build/escaval" draw -o "$file" "$blazon" 2>/dev/null
    row_pictures+="| ![$blazon]($file) "
    row_names+="| $blazon "
    count=$((count + 1))
    if [ $((count % columns)) -eq 0 ]; then
      echo "$row_pictures|"; echo "$row_names|"
      row_names="" row_pictures=""
    fi
  done
  if [ -n "$row_pictures" ]; then echo "$row_pictures|"; echo "$row_names|"; fi
}

# A file name for a blazon: lower case, runs of other characters as one "_", at most 60 long.
file_name_of_blazon() {
  local name
  name="$(echo "$1" | tr 'A-Z' 'a-z' | tr -c 'a-z0-9\n' '_' | tr -s '_' | cut -c1-60)"
  echo "${name%_}"
}
