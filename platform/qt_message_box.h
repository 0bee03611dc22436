// The message-box service of the program: QMessageBox with the platform's
// standard buttons, owned by the active window.
#pragma once

#include "platform/message_box.h"

namespace kivor {

class QtMessageBoxService : public MessageBoxService {
  public:
    MbAnswer Show(const std::string& text, const std::string& caption, MbButtons buttons,
                  MbIcon icon) override;
};

}  // namespace kivor
