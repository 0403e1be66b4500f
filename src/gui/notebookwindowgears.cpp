// セッティング記録's way to the gears owned and to the advice's temperature limit.

#include "app/session.h"
#include "gearboxwindow.h"
#include "notebook/gearmessages.h"
#include "notebookwindow.h"
#include "zoom.h"

#include <QInputDialog>

void NotebookWindow::openGearBox()
{
    if (!m_gearBox) {
        m_gearBox = new GearBoxWindow(m_session.app(), this);
        // The advice's "→ 手持ち …" follows what was stored.
        connect(m_gearBox, &GearBoxWindow::changed, this, [this] {
            if (m_read) {
                m_notebook.gearsChanged();
                render();
            }
        });
    }
    m_gearBox->open();
}

void NotebookWindow::askTempLimit()
{
    bool ok = false;
    const double limit = QInputDialog::getDouble(
        this, GearMessages::TempLimitTitle(), GearMessages::tempLimitAsk(), m_notebook.tempLimit(),
        Preferences::LeastTempLimit, Preferences::MostTempLimit, 0, &ok);
    if (!ok || limit == m_notebook.tempLimit())
        return;
    if (!Preferences::saveTempLimit(limit))
        m_host.message(GearMessages::tempLimitNotSaved(Zoom::settingsPath()));
    m_notebook.setTempLimit(limit);
    render();
}
