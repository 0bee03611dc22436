// The messages and captions of the export run.
#pragma once

#include "platform/cp932.h"

namespace kivor {

KIVOR_CP932_TEXT(kCaptionCaution, "注意")
KIVOR_CP932_TEXT(kCaptionConfirm, "確認")
KIVOR_CP932_TEXT(kCaptionSuccess, "成功")
KIVOR_CP932_TEXT(kNoExportFolder, "HTML ファイルを書き出すフォルダを指定してください。")
KIVOR_CP932_TEXT(kNoMainFileName, "メインの HTML ファイル名を指定してください。")
KIVOR_CP932_TEXT(kFolderQuestionStart, "フォルダ ")
KIVOR_CP932_TEXT(kFolderQuestionEnd, " は存在しません。作成しますか。")
KIVOR_CP932_TEXT(kMainFileIsDiaryFile,
                 "メインの HTML ファイルに日記のファイル (*.kv1, kivor.ini, header.txt, "
                 "footer.txt) は指定できません。")
KIVOR_CP932_TEXT(kMakeFolderFailed, "フォルダの作成に失敗しました。")
KIVOR_CP932_TEXT(kExportDone, "HTML ファイルの書き出しが完了しました。")

// The file failures of the passes; the file's name follows directly.
KIVOR_CP932_TEXT(kLayout1Failed044, "ファイルの操作に失敗しました:044 ")
KIVOR_CP932_TEXT(kLayout2Failed024, "ファイルの操作に失敗しました:024 ")
KIVOR_CP932_TEXT(kLayout3Failed049, "ファイルの作成、あるいは更新に失敗しました。:049 ")
KIVOR_CP932_TEXT(kLastMonthPageFailed021, "ファイルのオープンに失敗しました。:021 ")

}  // namespace kivor
