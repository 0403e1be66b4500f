#pragma once

#include "common/usertext.h"
#include "form/form.h"
#include "platform/printpage.h"

// The one-page print-out of the current results: machine, status line, the
// four quantities, the ratio grid inside a ruled frame, the contact line.
namespace PrintOut {

inline const QString Face = QStringLiteral(ZELTAN_KEY("MS Pｺﾞｼｯｸ"));

// Builds the page from the window.
PrintPage buildPage(const Form& form);

// A cell's text in its 8-character field: right-aligned, cut to 8.
QString field8(const QString& text);

} // namespace PrintOut
