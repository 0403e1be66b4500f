#pragma once

#include "form/form.h"
#include "platform/printpage.h"
#include "print/printout.h"

// The main window's print-out: the texts as the window shows them, handed to
// print/ as values.
namespace MainSheet {

// The sheet of the window as it stands; it reads the form's grid, so the form
// must outlive it.
PrintOut::Sheet sheetOf(const Form& form);

// The page of the window as it stands.
PrintPage buildPage(const Form& form);

} // namespace MainSheet
