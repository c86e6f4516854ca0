#pragma once

#include "history/DatabaseName.h"
#include "web/WebSite.h"

namespace vestra::webapp {

// Each worker thread keeps its own read-only connection, since a connection serves one thread.
// It is opened at the worker's first request and again after a failure; a database file that
// was removed or replaced since it was opened is opened anew, so that the pages show the file
// the name now names.
class WorkerStores : public web::StoreAccess {
public:
    explicit WorkerStores(history::DatabaseName name) : name_(std::move(name)) {}

    Expected<history::HistoryStore*> store() override;
    void lost() override;

private:
    history::DatabaseName name_;
};

} // namespace vestra::webapp
