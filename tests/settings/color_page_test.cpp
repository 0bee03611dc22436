// The colour and font page of the sheet "細かい設定", and the colour sample.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <vector>

#include "platform/color_chooser.h"
#include "settings/color_sample.h"
#include "settings/options_sheet.h"
#include "sheet_test_support.h"

namespace kivor {
namespace {

using test::Find;
using test::Q;

// Answers the colour chooser from a script and records the colour it was
// opened on.
class ScriptedChooser {
  public:
    ScriptedChooser() {
        SetColorChooser([this](int32_t initial) -> std::optional<int32_t> {
            m_initial.push_back(initial);
            if (m_answers.empty()) return std::nullopt;
            auto answer = m_answers.front();
            m_answers.erase(m_answers.begin());
            return answer;
        });
    }
    ~ScriptedChooser() { SetColorChooser(nullptr); }
    void Answer(std::optional<int32_t> answer) { m_answers.push_back(answer); }
    std::vector<int32_t> m_initial;

  private:
    std::vector<std::optional<int32_t>> m_answers;
};

struct ColorPage {
    Settings settings = test::FreshSettings();
    std::unique_ptr<PropertySheet> sheet;
    QWidget* page = nullptr;

    void Open() {
        sheet = MakeExportDetailsSheet(nullptr, settings);
        sheet->show();
        page = sheet->Page(0);
    }
    CColorSample* TitleSample() { return Find<CColorSample>(page, 1040); }
    CColorSample* MainSample() { return Find<CColorSample>(page, 1038); }
    QLineEdit* MainSize() { return Find<QLineEdit>(page, 1044); }
    QLineEdit* TitleSize() { return Find<QLineEdit>(page, 1003); }
    QCheckBox* MainNormal() { return Find<QCheckBox>(page, 1042); }
    QCheckBox* TitleNormal() { return Find<QCheckBox>(page, 1043); }
    void Click(int id) { Find<QPushButton>(page, id)->click(); }
};

TEST(ColorPage, opensWithTheSettings_sizeBoxesGreyedWhileNormalSize) {
    ColorPage c;
    c.Open();
    EXPECT_EQ(c.TitleSample()->TextColor(), 16777215);
    EXPECT_EQ(c.TitleSample()->BackgroundColor(), 16776960);
    EXPECT_EQ(c.MainSample()->TextColor(), 0);
    EXPECT_EQ(c.MainSample()->BackgroundColor(), 16777215);
    EXPECT_TRUE(c.MainNormal()->isChecked());
    EXPECT_TRUE(c.TitleNormal()->isChecked());
    EXPECT_EQ(c.MainSize()->text(), Q("10"));
    EXPECT_EQ(c.TitleSize()->text(), Q("10"));
    EXPECT_FALSE(c.MainSize()->isEnabled());
    EXPECT_FALSE(c.TitleSize()->isEnabled());
    EXPECT_EQ(c.TitleSample()->Text(), Q("色サンプル(タイトル)"));
    EXPECT_EQ(c.MainSample()->Text(), Q("色サンプル(本文)"));
    EXPECT_TRUE(c.sheet->ApplyButton()->isEnabled());
}

TEST(ColorPage, normalSizeBox_enablesItsSizeBox_andAGreyedBoxKeepsItsText) {
    ColorPage c;
    c.Open();
    c.sheet->ApplyButton()->click();
    c.MainNormal()->click();
    EXPECT_TRUE(c.MainSize()->isEnabled());
    EXPECT_FALSE(c.TitleSize()->isEnabled());
    EXPECT_TRUE(c.sheet->ApplyButton()->isEnabled());
    c.MainSize()->selectAll();
    QTest::keyClicks(c.MainSize(), "14");
    c.MainNormal()->click();
    EXPECT_FALSE(c.MainSize()->isEnabled());
    c.TitleNormal()->click();
    EXPECT_TRUE(c.TitleSize()->isEnabled());
    c.TitleSize()->selectAll();
    QTest::keyClick(c.TitleSize(), Qt::Key_Delete);
    c.sheet->OkButton()->click();
    EXPECT_EQ(c.settings.FontSizeMain, 14);
    EXPECT_EQ(c.settings.UseDefaultFontSizeMain, 1);
    EXPECT_EQ(c.settings.FontSizeTitle, 0) << "an emptied size box stores 0";
    EXPECT_EQ(c.settings.UseDefaultFontSizeTitle, 0);
}

TEST(ColorPage, sizeBoxesTakeTwoDigitsAtMost) {
    ColorPage c;
    c.settings.UseDefaultFontSizeMain = 0;
    c.Open();
    c.MainSize()->selectAll();
    QTest::keyClicks(c.MainSize(), "1a-2 3");
    EXPECT_EQ(c.MainSize()->text(), Q("12"));
    c.sheet->OkButton()->click();
    EXPECT_EQ(c.settings.FontSizeMain, 12);
}

TEST(ColorPage, colourButtons_replaceTheirWorkingColour_andCancelChangesNothing) {
    const struct {
        int button;
        int32_t Settings::*field;
        bool title;
        bool letter;
    } cases[] = {
        {1031, &Settings::ColorMainLetter, false, true},
        {1032, &Settings::ColorMainBackGround, false, false},
        {1033, &Settings::ColorTitleLetter, true, true},
        {1034, &Settings::ColorTitleBackGround, true, false},
    };
    for (const auto& k : cases) {
        ScriptedChooser chooser;
        ColorPage c;
        c.Open();
        CColorSample* sample = k.title ? c.TitleSample() : c.MainSample();
        const int32_t before = k.letter ? sample->TextColor() : sample->BackgroundColor();
        chooser.Answer(std::nullopt);
        c.Click(k.button);
        EXPECT_EQ(k.letter ? sample->TextColor() : sample->BackgroundColor(), before);
        chooser.Answer(0x123456);
        c.Click(k.button);
        // The sample shows the colour at once, before the sheet's OK.
        EXPECT_EQ(k.letter ? sample->TextColor() : sample->BackgroundColor(), 0x123456) << k.button;
        EXPECT_EQ(c.settings.*k.field, test::FreshSettings().*k.field);
        c.Click(k.button);  // cancelled
        // The chooser never starts on the current colour.
        EXPECT_EQ(chooser.m_initial, (std::vector<int32_t>{0, 0, 0}));
        c.sheet->OkButton()->click();
        EXPECT_EQ(c.settings.*k.field, 0x123456) << k.button;
    }
}

TEST(ColorPage, resetThenCancel_leavesTheSettings) {
    ColorPage c;
    c.settings.ColorMainLetter = 255;
    c.settings.ColorMainBackGround = 0;
    c.settings.UseDefaultFontSizeMain = 0;
    c.settings.FontSizeMain = 33;
    c.Open();
    c.Click(1029);
    EXPECT_EQ(c.MainSample()->BackgroundColor(), 8454143);
    c.sheet->CancelButton()->click();
    EXPECT_EQ(c.settings.ColorMainLetter, 255);
    EXPECT_EQ(c.settings.ColorMainBackGround, 0);
    EXPECT_EQ(c.settings.UseDefaultFontSizeMain, 0);
    EXPECT_EQ(c.settings.FontSizeMain, 33);
}

TEST(ColorPage, resetThenOk_storesTheFirstSettings) {
    ColorPage c;
    c.settings.ColorMainLetter = 255;
    c.settings.ColorMainBackGround = 0;
    c.settings.ColorTitleLetter = 1;
    c.settings.ColorTitleBackGround = 2;
    c.settings.UseDefaultFontSizeMain = 0;
    c.settings.UseDefaultFontSizeTitle = 0;
    c.settings.FontSizeMain = 33;
    c.settings.FontSizeTitle = 44;
    c.Open();
    c.sheet->ApplyButton()->click();
    c.Click(1029);
    EXPECT_TRUE(c.sheet->ApplyButton()->isEnabled());
    EXPECT_FALSE(c.MainSize()->isEnabled());
    EXPECT_FALSE(c.TitleSize()->isEnabled());
    c.sheet->OkButton()->click();
    EXPECT_EQ(c.settings.ColorMainBackGround, 8454143);
    EXPECT_EQ(c.settings.ColorMainLetter, 0);
    EXPECT_EQ(c.settings.ColorTitleBackGround, 16776960);
    EXPECT_EQ(c.settings.ColorTitleLetter, 16777215);
    EXPECT_EQ(c.settings.FontSizeMain, 10);
    EXPECT_EQ(c.settings.FontSizeTitle, 10);
    EXPECT_EQ(c.settings.UseDefaultFontSizeMain, 1);
    EXPECT_EQ(c.settings.UseDefaultFontSizeTitle, 1);
}

TEST(ColorSample, paintsItsTextInItsColoursAtTheTopLeft) {
    CColorSample sample(Q("色サンプル(本文)"));
    sample.resize(160, 60);
    sample.SetColors(0x0000FF /* red */, 8454143 /* light yellow */);
    const QImage image = sample.grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(255, 255, 128));
    int textPixels = 0;
    int lowestTextRow = -1;
    int rightmostTextColumn = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            // Red ink, anti-aliased against yellow: red stays, blue fades.
            if (pixel.red() > 200 && pixel.green() < 128 && pixel.blue() < 100) {
                ++textPixels;
                lowestTextRow = std::max(lowestTextRow, y);
                rightmostTextColumn = std::max(rightmostTextColumn, x);
            }
        }
    }
    EXPECT_GT(textPixels, 20);
    EXPECT_LT(lowestTextRow, image.height() / 2) << "the text stands at the top";
    EXPECT_LT(rightmostTextColumn, image.width() - 5);
}

}  // namespace
}  // namespace kivor
