#pragma once

#include "data/DataSet.h"
#include "history/SqlConnection.h"

namespace vestra::history {

// The data set stored under id as SqlHistoryStore wrote it: label, clock, subject, count, the
// groups and their readings in their numbers' order, and each group's statistics computed as
// the window computes them when a data set is opened. Every value goes through StoredValue's
// checks (throws DamagedDatabase); id must name a stored data set.
void ReadStoredContent(SqlConnection& connection, long long id, DataSet& data);

} // namespace vestra::history
