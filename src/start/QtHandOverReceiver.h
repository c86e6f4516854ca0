#pragma once

#include "start/HandOver.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>

namespace vestra {

// Takes the files of later starts in the running copy's event loop without ever waiting for
// one: each connection is read as its bytes come and dropped when its line is not whole within
// kHandOverLineMs of its acceptance, so a slow or silent process delays neither the window nor
// another start. The files are given to take one at a time; those that come while take runs
// (a question of the window open) wait in a HandOverQueue.
class HandOverReceiver : public QObject {
public:
    HandOverReceiver(std::unique_ptr<HandOverListener> listener,
                     std::function<void(const QString& file)> take);
    ~HandOverReceiver() override;

private:
    class Pending;

    void acceptWaiting();
    void readFrom(Pending& pending);
    void drop(Pending& pending);
    void takeQueued();

    std::unique_ptr<HandOverListener> listener_;
    QSocketNotifier waiting_;
    std::function<void(const QString& file)> take_;
    HandOverQueue queue_;
    int open_ = 0;
    bool taking_ = false;
};

} // namespace vestra
