# SQLite for the settings component's database store: the system library natively, the
# amalgamation fetched by scripts/setup for the Windows builds.
set(OLZ_SQLITE_AMALGAMATION "${CMAKE_SOURCE_DIR}/build/third_party/sqlite3"
    CACHE PATH "Folder holding sqlite3.c and sqlite3.h")

if(WIN32)
  if(EXISTS "${OLZ_SQLITE_AMALGAMATION}/sqlite3.c")
    add_library(olz_sqlite STATIC "${OLZ_SQLITE_AMALGAMATION}/sqlite3.c")
    target_include_directories(olz_sqlite SYSTEM PUBLIC "${OLZ_SQLITE_AMALGAMATION}")
    target_compile_definitions(olz_sqlite PRIVATE SQLITE_THREADSAFE=0 SQLITE_OMIT_LOAD_EXTENSION)
    target_compile_options(olz_sqlite PRIVATE -w)
    set(OLZ_HAVE_SQLITE ON)
  else()
    message(WARNING "SQLite amalgamation not found in ${OLZ_SQLITE_AMALGAMATION}: "
                    "the database store of the settings component is left out")
    set(OLZ_HAVE_SQLITE OFF)
  endif()
else()
  find_package(SQLite3 REQUIRED)
  add_library(olz_sqlite INTERFACE)
  target_link_libraries(olz_sqlite INTERFACE SQLite::SQLite3)
  set(OLZ_HAVE_SQLITE ON)
endif()
