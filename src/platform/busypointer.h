#pragma once

#include "platform/host.h"

// Shows the busy pointer for the lifetime of the guard, however the scope ends.
class BusyPointer
{
public:
    explicit BusyPointer(Host& host) : m_host(host) { m_host.setBusy(true); }
    ~BusyPointer() { m_host.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Host& m_host;
};
