#pragma once

#include <QString>

// Messages and questions to the user, always modal and titled "ZELTAN".
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A modal message box titled "ZELTAN" with an OK button.
    virtual void message(const QString& text) = 0;
    // A modal Yes/No question titled "ZELTAN"; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // An open dialog for an existing file, starting in the user's Documents
    // folder; filter as in "CSV (*.csv)". The chosen path, or "" when cancelled.
    virtual QString askOpenPath(const QString& filter) = 0;
};
