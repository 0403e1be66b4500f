#pragma once

// The program as a whole: its version dialog and its end.
class Application
{
public:
    virtual ~Application() = default;

    // The modal version dialog, created afresh; returns when it was closed.
    virtual void showVersionDialog() = 0;
    // Ends the program at once; nothing is written.
    virtual void quit() = 0;
};
