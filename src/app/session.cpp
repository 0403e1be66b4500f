#include "session.h"

Session::Session(Host& host, const QString& folder)
    : m_app(host, folder), m_notebookDoor(host), m_driveDoor(m_notebookDoor),
      m_drive(m_app, m_driveDoor), m_notebook(m_app, m_notebookDoor, m_drive)
{
}
