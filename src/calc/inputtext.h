#pragma once

#include <QString>

// An input as the window holds it: its text, and whether the window counts it
// as set. The window decides that (an input of "0", a selector that shows its
// own name); a calculation only asks, and quotes the text in its messages.
struct InputText
{
    QString text;
    bool set = false;
};
