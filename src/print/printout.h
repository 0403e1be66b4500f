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

// Builds the page from the window.
PrintPage buildPage(const Form& form);

// A cell's text in its 8-character field: right-aligned, cut to 8.
QString field8(const QString& text);

// The question, the busy pointer, the page to the printer, the final message.
void print(const Form& form, Host& host);
// The same for any page, built once the question was answered Yes.
void printWithQuestion(const std::function<PrintPage()>& page, Host& host);

// The tools menu: the same page in a preview, through the printer dialog, or
// saved as a PDF where the user chooses; the grid saved as CSV.
void preview(const Form& form, Host& host);
void printWithDialog(const Form& form, Host& host);
void saveAsPdf(const Form& form, Host& host, QDate today);
void saveCsv(const Form& form, Host& host, QDate today);

} // namespace PrintOut
