#pragma once

#include "history/SqlConnection.h"

namespace vestra::history {

// The version of the tables this program writes. Each version is one migration from the one
// before; a database is brought up to date in one transaction when it is opened.
inline constexpr int kSchemaVersion = 3;

// The database's version: 0 for a database without the history's tables.
int SchemaVersionOf(SqlConnection& connection);

// Creates or migrates the tables. A database of a newer version is refused before anything is
// written to it (throws SqlError), since this program cannot know what the newer tables mean.
void PrepareSchema(SqlConnection& connection);

// Refuses, before anything is read, a database without the history's tables or of a newer
// version; an older version is read as it is.
void CheckSchemaReadable(SqlConnection& connection);

} // namespace vestra::history
