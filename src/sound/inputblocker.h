#pragma once

#include <QObject>

#include <functional>

// Runs a local event loop that keeps windows painted and timers running but drops every user
// input event meanwhile: a key pressed during a blocking sound never reaches what comes next.
class InputBlocker : public QObject
{
public:
    // Runs until 'finished' is called or 'timeoutMs' has passed. 'start' gets 'finished'; it is
    // called once the loop is ready, so a quick finish cannot be missed.
    static void run(const std::function<void(std::function<void()> finished)> &start, int timeoutMs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
