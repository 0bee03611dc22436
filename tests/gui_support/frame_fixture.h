// A main window on a temporary diary folder, shown and active on the
// offscreen platform, with the message-box recorder installed; helpers to
// click days, focus the editor and read the entry files.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QModelIndex>
#include <QTest>
#include <memory>
#include <string>

#include "app/main_frame.h"
#include "diary/entry_date.h"
#include "platform/file.h"
#include "platform/recording_message_box.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace kivor::test {

class FrameFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes an entry file: UTF-8 text with "\n", stored as CP932 with CR LF.
    void WriteDay(const std::string& key, const std::string& utf8);
    // The entry file as UTF-8 with "\n"; nullopt when there is none.
    std::optional<std::string> DayFile(const std::string& key) const;
    std::string EntryPath(const std::string& key) const { return m_dir / (key + ".kv1"); }

    // Builds, fills, shows and activates the main window.
    void Start();
    // Clicks the node with the date key (a day) with the left button.
    void ClickDay(const std::string& key);
    // Clicks a node given by its labels from the root, e.g. {"2004年","05月"}.
    void ClickNode(const std::vector<std::string>& labelsUtf8);
    // The tree's index of a day, or of a node given by its labels; invalid
    // when there is none. {} is the root "TOP".
    QModelIndex IndexOfDay(const std::string& key) const;
    QModelIndex IndexByLabels(const std::vector<std::string>& labelsUtf8) const;
    // Clicks into the editor so it has the keyboard focus.
    void FocusEditor();
    // Types text into the editor with key presses.
    void Type(const QString& text);

    QString EditorText() const;
    QString StatusText() const;
    // The texts of the boxes shown so far (UTF-8).
    std::vector<std::string> ShownTexts() const;

    TempDir m_dir;
    Settings m_settings;
    RecordingMessageBox m_boxes;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace kivor::test
