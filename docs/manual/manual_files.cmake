# The manual's files, in one list for the two places that take them: the
# window program's resources (:/velmora/manual/ and the pictures in :/velmora/)
# and the installed documentation (manual/ and the pictures beside it), so that
# the pages' links to ../*.png hold in both and in the source tree.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH VELMORA_DOCS_DIR)
set(VELMORA_MANUAL_PAGES
    ${VELMORA_DOCS_DIR}/manual/index.html
    ${VELMORA_DOCS_DIR}/manual/figure.html
    ${VELMORA_DOCS_DIR}/manual/sample.html
    ${VELMORA_DOCS_DIR}/manual/window.html
    ${VELMORA_DOCS_DIR}/manual/files.html
    ${VELMORA_DOCS_DIR}/manual/grades.html
    ${VELMORA_DOCS_DIR}/manual/refusals.html
    ${VELMORA_DOCS_DIR}/manual/console.html
    ${VELMORA_DOCS_DIR}/manual/manual.css)
set(VELMORA_MANUAL_PICTURES
    ${VELMORA_DOCS_DIR}/velmora-window.png
    ${VELMORA_DOCS_DIR}/velmora-check.png
    ${VELMORA_DOCS_DIR}/velmora-batch.png
    ${VELMORA_DOCS_DIR}/sample-figure-plot.png)
