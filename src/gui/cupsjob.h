#pragma once

#include <QByteArray>
#include <QString>

// A print job handed to CUPS by its own API, step by step, so that what the
// printing system said at each step is known: Qt's print engine spools a
// file and never tells whether the server took it.
namespace CupsJob {

// The user's default printer (lpoptions, LPDEST/PRINTER, the server's
// default), or "" when there is none or no server answers.
QString defaultPrinter();

// Why printer would not print a job sent now: it is unknown, refuses jobs,
// is stopped, or no server answers. "" when it would print.
QString whyNot(const QString& printer);

struct Outcome
{
    bool accepted = false;
    QString reason; // the printing system's words when not accepted
};

// Sends a PDF as one job of copies copies to printer and waits until the
// server has taken the whole document.
Outcome submit(const QString& printer, const QByteArray& pdf, int copies, const QString& title);

} // namespace CupsJob
