#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class QCoreApplication;

// The language the windows speak. Japanese is the program's own (the source
// texts); English comes from the catalogue's translation. The data files are
// the same in both.
namespace Language {

enum class Choice { Japanese, English };

// Japanese where the locale is Japanese or none is set (C/POSIX), English for
// any other.
Choice ofLocale(const QLocale& locale);
// "ja" or "en", as --lang and the settings file spell it.
std::optional<Choice> fromCode(QStringView code);
QString code(Choice choice);

// The user's choice from the ツール menu, kept beside the zoom.
std::optional<Choice> saved();
void save(Choice choice);

// --lang if given, else the saved choice, else the system's locale.
Choice choose(std::optional<Choice> fromCommandLine);

// Loads the program's and Qt's own texts for the choice; the windows built
// afterwards read in it.
void install(QCoreApplication& app, Choice choice);
Choice current();

} // namespace Language
