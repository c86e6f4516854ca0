#include "WorkerStores.h"

#include <memory>
#include <sys/stat.h>

namespace vestra::webapp {
namespace {

struct WorkerStore {
    std::unique_ptr<history::HistoryStore> store;
    dev_t device = 0;
    ino_t inode = 0;
};

thread_local WorkerStore tWorker;

// The file the name names now, as device and inode; false when there is none.
bool identity(const history::DatabaseName& name, dev_t& device, ino_t& inode) {
    const auto* file = std::get_if<history::SqliteFile>(&name);
    struct stat status {};
    if (file == nullptr || ::stat(file->path.c_str(), &status) != 0) {
        return false;
    }
    device = status.st_dev;
    inode = status.st_ino;
    return true;
}

} // namespace

Expected<history::HistoryStore*> WorkerStores::store() {
    dev_t device = 0;
    ino_t inode = 0;
    bool isFile = std::holds_alternative<history::SqliteFile>(name_);
    bool present = identity(name_, device, inode);
    if (tWorker.store && isFile &&
        (!present || device != tWorker.device || inode != tWorker.inode)) {
        tWorker.store.reset();
    }
    if (!tWorker.store) {
        auto opened = history::OpenHistoryStore(name_, history::HistoryAccess::ReadOnly);
        if (!opened) {
            return unexpected(std::move(opened).error());
        }
        tWorker.store = std::move(*opened);
        tWorker.device = device;
        tWorker.inode = inode;
    }
    return tWorker.store.get();
}

void WorkerStores::lost() {
    tWorker.store.reset();
}

} // namespace vestra::webapp
