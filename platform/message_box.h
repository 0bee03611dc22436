// The message-box service: every message and question of the system goes
// through it. The program shows QMessageBox; tests use RecordingMessageBox,
// which records what was shown and gives scripted answers.
#pragma once

#include <string>

#include "platform/cp932.h"

namespace kivor {

enum class MbButtons { ok, yesNo, okCancel };
enum class MbIcon { none, exclamation, information, question };
enum class MbAnswer { ok, cancel, yes, no };

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    // Text and caption are CP932.
    virtual MbAnswer Show(const std::string& text, const std::string& caption, MbButtons buttons,
                          MbIcon icon) = 0;
};

KIVOR_CP932_TEXT(kAppTitle, "ケルノア")

// The application message box: the caption "ケルノア" and, by default, the
// exclamation icon.
MbAnswer AppMessageBox(MessageBoxService& boxes, const std::string& text,
                       MbButtons buttons = MbButtons::ok, MbIcon icon = MbIcon::exclamation);

// The system's text for an error code in a box captioned "Error", OK only,
// information icon.
void ShowLastError(MessageBoxService& boxes, int errorCode);

// The service the windows use. The program installs the QMessageBox one at
// start; GUI tests install a recorder. The core never reaches for this: its
// functions take the service as an argument.
MessageBoxService& CurrentMessageBoxService();
void SetMessageBoxService(MessageBoxService* service);

}  // namespace kivor
