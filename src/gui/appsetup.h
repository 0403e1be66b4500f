#pragma once

#include "language.h"

#include <QFont>
#include <QString>

#include <thread>

class QApplication;

namespace AppSetup {

// The language (Qt's own buttons and the locale with it: はい / いいえ), the
// stand-ins for the Windows faces, the design's colours and the window icon.
void apply(QApplication& app, Language::Choice language = Language::Choice::Japanese);

// Reads fontconfig's configuration and font caches on a thread of its own,
// started before QApplication. Join it before the window is made: Qt's own
// load, if it came first, would do the same work again on the main thread.
std::jthread loadFontConfigAside();

// Maps the Windows face names the window uses onto installed Japanese faces.
void installFontSubstitutes();

// A font of one of the window's faces at the windows' zoom, resolved to the
// installed stand-in at once, so drawing never searches fallbacks for a face
// that is not there.
QFont font(const QString& face, int pointSize, bool bold = false, bool italic = false);
// The same at its design size, for what does not zoom (menus, dialogs).
QFont unzoomedFont(const QString& face, int pointSize, bool bold = false, bool italic = false);

// How wide a line is drawn, its ink included (an italic line leans past its advance).
int inkWidth(const QFont& font, const QString& text);

// font, narrowed (at its point size) so that text fits in room pixels: the
// stand-in faces run wider than the Windows ones, and a zoomed cell is narrow.
QFont fitted(QFont font, const QString& text, int room);

// The default working folder (see DataFolder::defaultLocation), created
// when missing; "" when it cannot be made or written.
QString dataFolder();

} // namespace AppSetup
