#pragma once

#include "common/usertext.h"

#include <QString>

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

} // namespace Messages
