// Test double of the message-box service: records every box and answers
// from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace kivor {

class RecordingMessageBox : public MessageBoxService {
  public:
    struct Shown {
        std::string text;     // CP932, as passed
        std::string caption;  // CP932, as passed
        MbButtons buttons;
        MbIcon icon;
        std::string TextUtf8() const;
        std::string CaptionUtf8() const;
    };

    MbAnswer Show(const std::string& text, const std::string& caption, MbButtons buttons,
                  MbIcon icon) override;

    // Answers given in order; without a scripted answer an OK box answers OK,
    // an OK/Cancel box Cancel, a Yes/No box No, and the box is counted in
    // m_unscripted.
    void Answer(MbAnswer answer) { m_answers.push_back(answer); }

    std::vector<Shown> m_shown;
    std::deque<MbAnswer> m_answers;
    int m_unscripted = 0;
};

}  // namespace kivor
