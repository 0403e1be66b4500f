#pragma once

// The busy (hourglass) pointer; BusyPointer turns it on for a scope.
class BusyIndicator
{
public:
    virtual ~BusyIndicator() = default;

    // The busy pointer on or off; calls nest.
    virtual void setBusy(bool busy) = 0;
};
