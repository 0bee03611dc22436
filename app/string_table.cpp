#include "app/string_table.h"

#include <utility>

namespace kivor {

namespace {

struct StringEntry {
    int id;
    const char* text;  // UTF-8
};

constexpr StringEntry kStrings[] = {
    {32773, "設定画面を表示\n設定画面を表示"},
    {32775, "ヘルプファイルを表示\nヘルプファイルを表示"},
    {32776, "ホームページへ移動\nホームページへ移動"},
    {32777, "新しい日記を作成\n新しい日記を作成"},
    {32778, "選択している日記を削除\n選択している日記を削除"},
    {32779, "日記を HTML ファイルへ書き出し\n日記を HTML ファイルへ書き出し"},
    {32784, "この日の日記を保存\nこの日の日記を保存"},
    {57344, "ケルノア"},
    {57345, "ﾚﾃﾞｨ"},
    {57606, "ﾌﾟﾘﾝﾀ/印刷ｵﾌﾟｼｮﾝの変更\n印刷設定"},
    {57607, "作業中のﾌｧｲﾙを印刷\n印刷"},
    {57634, "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ"},
    {57635, "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り"},
    {57637, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け"},
    {57643, "直前に行った動作を元に戻す\n元に戻す"},
    {57664, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {57665, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {59393, "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"},
};

}  // namespace

QString LoadString(int id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) return QString::fromUtf8(entry.text);
    }
    return QString();
}

QString CommandPrompt(int id) {
    return LoadString(id).section(QLatin1Char('\n'), 0, 0);
}

QString CommandToolTip(int id) {
    return LoadString(id).section(QLatin1Char('\n'), 1, 1);
}

}  // namespace kivor
