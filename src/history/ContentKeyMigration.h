#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "history/SqlConnection.h"

#include <string>

namespace vestra::history {

// The key schema versions 1 and 2 stored: FNV-1a 128 over ContentBytes as 32 hex digits. It
// tells data sets apart but anyone can make a data set match another's; it is kept only to
// check a stored data set against its old key when the key is replaced.
std::string Version2ContentHash(const DataSet& data, TemperatureUnit unit);

// Version 3's migration: each stored data set whose rows give back the very bytes its old key
// was made of (Version2ContentHash of the rows equals the stored key) gets ContentHash of those
// bytes. A data set they do not give back (a value the database cannot hold exactly, such as a
// reading of -0 in SQLite, or a damaged row) keeps its old key, which no new key can equal: it
// stays in the history, and the same data set added again is stored beside it.
void RekeyDataSets(SqlConnection& connection);

} // namespace vestra::history
