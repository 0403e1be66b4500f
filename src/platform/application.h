#pragma once

#include <functional>

// The program as a whole: its version dialog, work after drawing, and its end.
class Application
{
public:
    virtual ~Application() = default;

    // Runs work once the window has drawn what the running handler changed
    // (at once where nothing is drawn).
    virtual void afterDrawing(std::function<void()> work) = 0;

    // The modal version dialog, created afresh; returns when it was closed.
    virtual void showVersionDialog() = 0;
    // Ends the program at once; nothing is written.
    virtual void quit() = 0;
};
