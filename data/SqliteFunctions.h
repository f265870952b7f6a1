#pragma once

struct sqlite3;

// Server functions that the program's statements and the report scripts use,
// registered on an embedded database connection: TO_DATE, TO_CHAR, TO_NUMBER,
// NVL, DECODE, TRUNC, SYSDATE, ADD_MONTHS, LAST_DAY.
namespace SqliteFunctions {
bool install(sqlite3 *db);
}
