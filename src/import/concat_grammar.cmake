# Joins the grammar's area files (PARTS, separated by "|") into OUTPUT, each behind a line
# naming it, so that Bison reads one grammar while the sources stay split by area.
string(REPLACE "|" ";" parts "${PARTS}")
set(text "")
foreach(part ${parts})
    file(READ ${part} content)
    get_filename_component(name ${part} NAME)
    string(APPEND text "// ---- ${name}\n${content}")
endforeach()
file(WRITE ${OUTPUT}.tmp "${text}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
