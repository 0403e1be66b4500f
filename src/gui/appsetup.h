#pragma once

#include <QString>

class QApplication;

namespace AppSetup {

// Japanese texts on Qt's own buttons (はい / いいえ), the Japanese locale, the
// stand-ins for the Windows faces and the window icon.
void apply(QApplication& app);

// Maps the Windows face names the window uses onto installed Japanese faces.
void installFontSubstitutes();

// The working folder: $XDG_DATA_HOME/zeltan, normally ~/.local/share/zeltan,
// created when missing.
QString dataFolder();

} // namespace AppSetup
