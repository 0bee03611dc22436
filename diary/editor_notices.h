// The editor's notices in the status bar.
#pragma once

#include <QString>

namespace kivor {

inline QString AutoSavedNotice() {
    return QStringLiteral("自動保存されました");
}
inline QString UnreadableEntryNotice() {
    return QStringLiteral(
        "この日の日記ファイルを読み込めないため、表示のみです。"
        "このファイルには保存しません。");
}
inline QString UnshowableEntryNotice() {
    return QStringLiteral(
        "この日の日記ファイルには表示できないデータが含まれているため、"
        "表示のみです。このファイルには保存しません。");
}
inline QString SaveFailedNotice(const QString& reason, const QString& file) {
    return QStringLiteral("日記を保存できませんでした: %1 (%2)").arg(reason, file);
}
inline QString CannotStoreCharacterNotice() {
    return QStringLiteral("日記に保存できない文字が含まれているため、入力できません。");
}
inline QString TextLimitNotice() {
    return QStringLiteral("日記の長さが上限に達するため、入力できません。");
}

}  // namespace kivor
