#pragma once
// How the window lets pending events run while a long operation yields. Tests
// put in one that looks at the window from inside the yield.

#include <QCoreApplication>

namespace vormak::ui {

class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

class QtEventPump : public EventPump {
  public:
    void processPendingEvents() override { QCoreApplication::processEvents(); }
};

} // namespace vormak::ui
