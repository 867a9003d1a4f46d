#pragma once
// How the window lets pending events run while a long operation yields. Tests
// put in one that looks at the window from inside the yield.

#include <QCoreApplication>
#include <QElapsedTimer>

namespace vormak::ui {

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

// A check yields after every record and every result line, thousands of
// times a second; painting the window each time would cost far more than the
// check itself. Events are processed at most every few milliseconds, which
// the eye and the hand cannot tell from every time.
class QtEventPump : public EventPump {
public:
    void processPendingEvents() override {
        if (sinceLast_.isValid() && sinceLast_.elapsed() < kIntervalMs)
            return;
        QCoreApplication::processEvents();
        sinceLast_.start();
    }

private:
    static constexpr qint64 kIntervalMs = 10;
    QElapsedTimer sinceLast_;
};

} // namespace vormak::ui
