#include "gui_support/frame_fixture.h"

#include "app/window_globals.h"
#include "diary/entry_store.h"
#include "diary/left_view.h"
#include "diary/main_view.h"
#include "platform/cp932.h"

namespace kivor::test {

void FrameFixture::SetUp() {
    SetMessageBoxService(&m_boxes);
    m_settings = DefaultSettings(m_dir.Path());
}

void FrameFixture::TearDown() {
    if (m_frame) m_frame->MainView()->EndEditing();
    m_frame.reset();
    SetMessageBoxService(nullptr);
    ClearFileFaults();
    g_bEditorActive = 0;
}

void FrameFixture::WriteDay(const std::string& key, const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    std::optional<std::string> bytes = Utf8ToCp932(text.toStdString());
    ASSERT_TRUE(bytes.has_value());
    WriteFileBytes(EntryPath(key), *bytes);
}

std::optional<std::string> FrameFixture::DayFile(const std::string& key) const {
    if (!FileExists(EntryPath(key))) return std::nullopt;
    QString text = QString::fromStdString(Cp932ToUtf8Lossy(ReadFileBytes(EntryPath(key))));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.toStdString();
}

void FrameFixture::Start() {
    if (m_frame) {
        m_frame->MainView()->EndEditing();
        m_frame.reset();
    }
    m_frame = std::make_unique<CMainFrame>(m_settings);
    m_frame->OnInitialUpdate();
    m_frame->show();
    QApplication::setActiveWindow(m_frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    m_frame->LeftView()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_frame->LeftView()->hasFocus(); }));
}

QModelIndex FrameFixture::IndexByLabels(const std::vector<std::string>& labels) const {
    const QAbstractItemModel* model = m_frame->LeftView()->model();
    QModelIndex index = model->index(0, 0);
    for (const std::string& label : labels) {
        QModelIndex next;
        for (int i = 0; index.isValid() && i < model->rowCount(index); ++i) {
            const QModelIndex child = model->index(i, 0, index);
            if (child.data().toString() == QString::fromStdString(label)) next = child;
        }
        index = next;
    }
    return index;
}

QModelIndex FrameFixture::IndexOfDay(const std::string& key) const {
    return IndexByLabels(
        {key.substr(0, 4) + "年", key.substr(4, 2) + "月", key.substr(6, 2) + "日"});
}

void FrameFixture::ClickNode(const std::vector<std::string>& labels) {
    const QModelIndex index = IndexByLabels(labels);
    ASSERT_TRUE(index.isValid());
    CLeftView* tree = m_frame->LeftView();
    tree->scrollTo(index);
    const QRect rect = tree->visualRect(index);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return tree->currentIndex() == index; }));
}

void FrameFixture::ClickDay(const std::string& key) {
    ClickNode({key.substr(0, 4) + "年", key.substr(4, 2) + "月", key.substr(6, 2) + "日"});
}

void FrameFixture::FocusEditor() {
    CMainView* editor = m_frame->MainView();
    ASSERT_TRUE(editor->isEnabled());
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
}

void FrameFixture::Type(const QString& text) {
    QTest::keyClicks(m_frame->MainView(), text);
}

QString FrameFixture::EditorText() const {
    return m_frame->MainView()->toPlainText();
}

QString FrameFixture::StatusText() const {
    return m_frame->MessageText();
}

std::vector<std::string> FrameFixture::ShownTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : m_boxes.m_shown) texts.push_back(shown.TextUtf8());
    return texts;
}

}  // namespace kivor::test
