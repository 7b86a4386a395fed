# The drawing layer reads no files of its own; its harness draws every diagram of whatever the
# design file reader accepts.
zeph_fuzzer(picture_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/picture_fuzz.cpp DEPS zeph_drawing)
