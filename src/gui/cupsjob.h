#pragma once

#include <QByteArray>
#include <QString>

// A print job handed to CUPS by its own API, step by step, so that what the
// printing system said at each step is known: Qt's print engine spools a
// file and never tells whether the server took it. Every conversation with
// the server runs on a thread of its own, each wait bounded by a few
// seconds, while the window keeps repainting: a hung server or a dead
// network must not freeze the program.
namespace CupsJob {

struct DefaultPrinter
{
    QString name;    // "" when there is none or no server runs
    QString silence; // why a server that is there does not answer, else ""
};

// The user's default printer (lpoptions, LPDEST/PRINTER, the server's default).
DefaultPrinter defaultPrinter();

// "" when a print server answers or none runs at all; else that the server
// does not answer, with its address. Asked before Qt's own print dialogs,
// which would wait for it on the window's thread.
QString silence();

// What a print is told when no printer is there to take it.
QString noPrinter();

// For its lifetime the window's thread finds no print server, so that Qt's
// printer list cannot wait on a silent one.
class NoServerHere
{
public:
    NoServerHere();
    ~NoServerHere();
    NoServerHere(const NoServerHere&) = delete;
    NoServerHere& operator=(const NoServerHere&) = delete;
};

// Why printer would not print a job sent now: it is unknown, refuses jobs,
// is stopped, or no server answers. "" when it would print.
QString whyNot(const QString& printer);

struct Outcome
{
    bool accepted = false;
    QString reason; // the printing system's words when not accepted
};

// Sends a PDF as one job of copies copies to printer, then reads the job
// back: accepted only when the server holds the whole document.
Outcome submit(const QString& printer, const QByteArray& pdf, int copies, const QString& title);

} // namespace CupsJob
