#include "platform/message_box.h"

#include "platform/error_text.h"

namespace kivor {

namespace {
MessageBoxService* g_service = nullptr;

// Used when no service was installed: answers without showing anything.
class SilentMessageBox : public MessageBoxService {
  public:
    MbAnswer Show(const std::string&, const std::string&, MbButtons buttons, MbIcon) override {
        return buttons == MbButtons::ok      ? MbAnswer::ok
               : buttons == MbButtons::yesNo ? MbAnswer::no
                                             : MbAnswer::cancel;
    }
};
}  // namespace

MbAnswer AppMessageBox(MessageBoxService& boxes, const std::string& text, MbButtons buttons,
                       MbIcon icon) {
    return boxes.Show(text, kAppTitle(), buttons, icon);
}

void ShowLastError(MessageBoxService& boxes, int errorCode) {
    boxes.Show(SystemErrorText(errorCode), "Error", MbButtons::ok, MbIcon::information);
}

MessageBoxService& CurrentMessageBoxService() {
    static SilentMessageBox silent;
    return g_service ? *g_service : silent;
}

void SetMessageBoxService(MessageBoxService* service) {
    g_service = service;
}

}  // namespace kivor
