#include "history/SqlConnection.h"

namespace vestra::history {

// A rollback runs while another failure is being reported; that failure is the one to tell.
void SqlConnection::rollback() noexcept {
    try {
        query("ROLLBACK");
    } catch (const SqlError&) {
    }
}

} // namespace vestra::history
