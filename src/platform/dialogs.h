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
};
