#pragma once

#include "form/form.h"
#include "platform/host.h"
#include "platform/printpage.h"

#include <QDate>
#include <functional>

// The one-page print-out of the current results: machine, status line, the
// four quantities, the ratio grid inside a ruled frame, the contact line.
namespace PrintOut {

inline const QString Face = QStringLiteral("MS Pｺﾞｼｯｸ");

// Builds the page from the window. Walks the grid through its current cell,
// which is left at (0, 0).
PrintPage buildPage(Form& form);

// A cell's text in its 8-character field: right-aligned, cut to 8.
QString field8(const QString& text);

// The question, the busy pointer, the page to the printer, the final message.
void print(Form& form, Host& host);
// The same for any page, built once the question was answered Yes.
void printWithQuestion(const std::function<PrintPage()>& page, Host& host);

// The tools menu: the same page in a preview, through the printer dialog, or
// saved as a PDF where the user chooses; the grid saved as CSV.
void preview(Form& form, Host& host);
void printWithDialog(Form& form, Host& host);
void saveAsPdf(Form& form, Host& host, QDate today);
void saveCsv(Form& form, Host& host, QDate today);

} // namespace PrintOut
