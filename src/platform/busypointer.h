#pragma once

#include "platform/busyindicator.h"

// Shows the busy pointer for the lifetime of the guard, however the scope ends.
class BusyPointer
{
public:
    explicit BusyPointer(BusyIndicator& pointer) : m_pointer(pointer) { m_pointer.setBusy(true); }
    ~BusyPointer() { m_pointer.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    BusyIndicator& m_pointer;
};
