#pragma once

#include "app/host.h"

// Puts a print-out page on paper. Printing is not wired up yet: every job
// reports a failure, which the print handler shows to the user.
class PagePrinter
{
public:
    Host::PrintResult print(const PrintPage& page);
};
