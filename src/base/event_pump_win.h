#pragma once
// Letting window events run in the middle of long work on the GUI thread.

// Dispatches every message waiting in the thread's queue.
void pumpPendingEvents();

// Waits up to the given milliseconds while window events go on.
void waitPumpingEvents(int milliseconds);

// Pumps during a download, once per block but not more often than every
// `intervalMs`: looking at the queue costs a round trip to the window system
// (expensive under Wine), and 10 ms is far below what a user notices.
class EventPump {
public:
    explicit EventPump(unsigned intervalMs = 10) : intervalMs_(intervalMs) {}
    void operator()();

private:
    unsigned intervalMs_;
    unsigned long long lastPump_ = 0;
};
