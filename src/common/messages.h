#pragma once

#include "common/usertext.h"

#include <QString>
#include <QtGlobal>

// Messages that more than one place shows, each worded once. A value a
// message quotes is elided in the middle when long.
namespace Messages {

// "２次減速比が設定されていません", "スパー範囲が設定されていません" …
inline QString notSet(const QString& what) { return what + QStringLiteral("が設定されていません"); }

// "スパー範囲の開始「abc」は数値ではありません"
inline QString notANumber(const QString& field, const QString& value)
{
    return QStringLiteral("%1「%2」は数値ではありません").arg(field, UserText::elided(value));
}

// "スパー範囲の幅「40000」が範囲（-32768～32767）を超えています"
inline QString beyondCounts(const QString& field, const QString& value)
{
    return QStringLiteral("%1「%2」が範囲（-32768～32767）を超えています")
        .arg(field, UserText::elided(value));
}

// ---- Files: our sentence, then the system's own text for the error --------

// "GIA.DAT に書き込めませんでした：No space left on device"
inline QString withReason(const QString& sentence, int error)
{
    return sentence + QStringLiteral("：") + qt_error_string(error);
}

inline QString cannotRead(const QString& file, int error)
{
    return withReason(QStringLiteral("%1 を読み込めませんでした").arg(file), error);
}

inline QString cannotWrite(const QString& file, int error)
{
    return withReason(QStringLiteral("%1 に書き込めませんでした").arg(file), error);
}

// A file we could not read holds what we never loaded: it is not replaced.
inline QString unreadableKept(const QString& file, int error)
{
    return withReason(QStringLiteral("%1 を読み込めないため保存しませんでした").arg(file), error);
}

inline QString readOnlyKept(const QString& file)
{
    return QStringLiteral("%1 は読み取り専用のため保存しませんでした").arg(file);
}

// A folder, FIFO, device or socket where a data file belongs.
inline QString notAFile(const QString& file)
{
    return QStringLiteral("%1 は通常のファイルではないため使えません").arg(file);
}

} // namespace Messages
