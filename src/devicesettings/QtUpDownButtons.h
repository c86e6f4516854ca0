#pragma once

#include <QWidget>

namespace vestra {

// A pair of arrow buttons beside a number box. It keeps no value of its own: the settings
// editor decides what a click does, by its stepping rule.
class QtUpDownButtons : public QWidget {
    Q_OBJECT
public:
    explicit QtUpDownButtons(QWidget* parent = nullptr);

    // The Up and Down keys in box step as the arrows do.
    void stepWithKeysOf(QWidget* box);

signals:
    // +1 for the up arrow, -1 for the down arrow; repeated while an arrow is held.
    void stepped(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vestra
