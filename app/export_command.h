// `kivor export`: the export run without windows, on the diary folder and
// its kivor.ini, with the options in place of the export dialog's boxes.
// Messages go to standard error; kivor.ini, header.txt and footer.txt are
// never written.
#pragma once

#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "platform/message_box.h"

namespace kivor {

// A message-box service for the terminal: prints caption and text (UTF-8) to
// `stream`. A Yes/No question is answered yes only when `answerYes` is set
// (the question about a missing export folder, under --yes); OK boxes
// answer OK.
class StreamMessageBox : public MessageBoxService {
  public:
    StreamMessageBox(std::FILE* stream, bool answerYes) : m_stream(stream), m_yes(answerYes) {}
    MbAnswer Show(const std::string& text, const std::string& caption, MbButtons buttons,
                  MbIcon icon) override;

  private:
    std::FILE* m_stream;
    bool m_yes;
};

// Runs `kivor export`; gives the exit status: 0 when the run reported
// success, 1 when it did not, 2 for a usage error.
int RunExportCommand(const CommandLine& line);

}  // namespace kivor
