#pragma once

#include "platform/application.h"
#include "platform/busyindicator.h"
#include "platform/dialogs.h"
#include "platform/printing.h"

// The whole door to the platform, as the window's handlers reach it. The Qt
// front end implements it with real dialogs and the printer; tests implement
// it with a scripted fake. Code that needs only one part can take that part.
class Host : public Dialogs, public Printing, public BusyIndicator, public Application
{
};
