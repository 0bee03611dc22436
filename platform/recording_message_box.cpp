#include "platform/recording_message_box.h"

namespace kivor {

std::string RecordingMessageBox::Shown::TextUtf8() const {
    return Cp932ToUtf8Lossy(text);
}
std::string RecordingMessageBox::Shown::CaptionUtf8() const {
    return Cp932ToUtf8Lossy(caption);
}

MbAnswer RecordingMessageBox::Show(const std::string& text, const std::string& caption,
                                   MbButtons buttons, MbIcon icon) {
    m_shown.push_back(Shown{text, caption, buttons, icon});
    if (!m_answers.empty()) {
        MbAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    ++m_unscripted;
    switch (buttons) {
        case MbButtons::ok:
            return MbAnswer::ok;
        case MbButtons::okCancel:
            return MbAnswer::cancel;
        case MbButtons::yesNo:
            return MbAnswer::no;
    }
    return MbAnswer::ok;
}

}  // namespace kivor
