#pragma once

// What one run of the program works on, made once and handed to the windows:
//
//   main window ──────► Giadsp (the handlers and the Form)
//   走行計算 ─────────► DriveTool ◄── reads and restores ── Notebook ◄── セッティング記録
//
// The windows take their models from here, never from each other or the
// widget tree. The tool models speak through doors their windows lead to
// their own Host once they are made.

#include "app/drivetool.h"
#include "app/giadsp.h"
#include "app/hostdoor.h"
#include "app/notebook.h"
#include "platform/host.h"

#include <QString>

class Session
{
public:
    // host: the main window's door; folder: the data folder.
    Session(Host& host, const QString& folder);

    Giadsp& app() { return m_app; }
    DriveTool& drive() { return m_drive; }
    Notebook& notebook() { return m_notebook; }
    HostDoor& driveDoor() { return m_driveDoor; }
    HostDoor& notebookDoor() { return m_notebookDoor; }

private:
    Giadsp m_app;
    // Over the main window until セッティング記録's window is made.
    HostDoor m_notebookDoor;
    // Until its own window is made, 走行計算 is read and restored only by
    // セッティング記録: what it has to say then sits over that window.
    HostDoor m_driveDoor;
    DriveTool m_drive;
    Notebook m_notebook;
};
