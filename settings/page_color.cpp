#include "settings/page_color.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>

#include "platform/color_chooser.h"
#include "settings/color_sample.h"
#include "settings/cp932_line_edit.h"
#include "settings/page_controls.h"

namespace kivor {

namespace {
constexpr std::size_t kSizeDigits = 2;

CColorSample* MakeSample(QWidget* parent, int id, const QString& text, const QRect& rect) {
    auto* sample = new CColorSample(text, parent);
    sample->setObjectName(QString::number(id));
    sample->setGeometry(rect);
    return sample;
}
}  // namespace

CPageColor::CPageColor(Settings& settings)
    : PropertyPage(QStringLiteral("フォント(色、大きさ)の選択"), QSize(280, 185)),
      m_settings(settings) {}

void CPageColor::OnInitDialog() {
    MakeGroupBox(this, QStringLiteral("タイトルの文字"), Dlu(7, 7, 266, 72));
    auto* titleLetter = MakeButton(this, 1033, QStringLiteral("文字色変更"), Dlu(15, 22, 60, 15));
    auto* titleBack = MakeButton(this, 1034, QStringLiteral("背景色変更"), Dlu(15, 42, 60, 15));
    m_titleSample =
        MakeSample(this, 1040, QStringLiteral("色サンプル(タイトル)"), Dlu(85, 22, 105, 35));
    MakeLabel(this, QStringLiteral("文字の大きさ"), Dlu(200, 22, 60, 8));
    m_titleNormalSize =
        MakeCheckBox(this, 1043, QStringLiteral("普通の大きさ"), Dlu(200, 34, 65, 10));
    m_titleSize = MakeLineEdit(this, 1003, Dlu(200, 47, 25, 12));

    MakeGroupBox(this, QStringLiteral("本文の文字"), Dlu(7, 85, 266, 72));
    auto* mainLetter = MakeButton(this, 1031, QStringLiteral("文字色変更"), Dlu(15, 100, 60, 15));
    auto* mainBack = MakeButton(this, 1032, QStringLiteral("背景色変更"), Dlu(15, 120, 60, 15));
    m_mainSample =
        MakeSample(this, 1038, QStringLiteral("色サンプル(本文)"), Dlu(85, 100, 105, 35));
    MakeLabel(this, QStringLiteral("文字の大きさ"), Dlu(200, 100, 60, 8));
    m_mainNormalSize =
        MakeCheckBox(this, 1042, QStringLiteral("普通の大きさ"), Dlu(200, 112, 65, 10));
    m_mainSize = MakeLineEdit(this, 1044, Dlu(200, 125, 25, 12));

    auto* reset = MakeButton(this, 1029, QStringLiteral("最初の設定に戻す"), Dlu(7, 164, 80, 15));

    connect(mainLetter, &QPushButton::clicked, this, &CPageColor::OnMainLetterColor);
    connect(mainBack, &QPushButton::clicked, this, &CPageColor::OnMainBackGroundColor);
    connect(titleLetter, &QPushButton::clicked, this, &CPageColor::OnTitleLetterColor);
    connect(titleBack, &QPushButton::clicked, this, &CPageColor::OnTitleBackGroundColor);
    connect(m_mainNormalSize, &QCheckBox::clicked, this, &CPageColor::OnUseDefaultSizeMain);
    connect(m_titleNormalSize, &QCheckBox::clicked, this, &CPageColor::OnUseDefaultSizeTitle);
    connect(reset, &QPushButton::clicked, this, &CPageColor::OnResetDefaults);
    // The size boxes report every change of their text, also the program's.
    connect(m_mainSize, &QLineEdit::textChanged, this, [this] { OnSettingChanged(); });
    connect(m_titleSize, &QLineEdit::textChanged, this, [this] { OnSettingChanged(); });

    m_mainLetterColor = m_settings.ColorMainLetter;
    m_mainBackGroundColor = m_settings.ColorMainBackGround;
    m_titleLetterColor = m_settings.ColorTitleLetter;
    m_titleBackGroundColor = m_settings.ColorTitleBackGround;
    UpdateControls();

    SetCheck(m_mainNormalSize, m_settings.UseDefaultFontSizeMain);
    SetCheck(m_titleNormalSize, m_settings.UseDefaultFontSizeTitle);

    // Filling the size boxes marks the page changed: Apply is enabled from
    // the start.
    m_mainSize->setText(QString::number(m_settings.FontSizeMain));
    m_titleSize->setText(QString::number(m_settings.FontSizeTitle));
    // Digits only, two at most; the limit applies to typing.
    LimitBox(m_mainSize, kSizeDigits, true);
    LimitBox(m_titleSize, kSizeDigits, true);

    UpdateControls();
}

void CPageColor::UpdateControls() {
    m_titleSample->SetColors(m_titleLetterColor, m_titleBackGroundColor);
    m_mainSample->SetColors(m_mainLetterColor, m_mainBackGroundColor);
    m_mainSize->setEnabled(!m_mainNormalSize->isChecked());
    m_titleSize->setEnabled(!m_titleNormalSize->isChecked());
}

void CPageColor::ChooseInto(int32_t& workingColor) {
    // The chooser always opens on black, not on the current colour.
    if (const auto chosen = ChooseColor(this, 0)) {
        workingColor = *chosen;
        UpdateControls();
    }
}

void CPageColor::OnMainLetterColor() {
    ChooseInto(m_mainLetterColor);
}
void CPageColor::OnMainBackGroundColor() {
    ChooseInto(m_mainBackGroundColor);
}
void CPageColor::OnTitleLetterColor() {
    ChooseInto(m_titleLetterColor);
}
void CPageColor::OnTitleBackGroundColor() {
    ChooseInto(m_titleBackGroundColor);
}

void CPageColor::OnUseDefaultSizeMain() {
    m_mainSize->setEnabled(!m_mainNormalSize->isChecked());
    OnSettingChanged();
}

void CPageColor::OnUseDefaultSizeTitle() {
    m_titleSize->setEnabled(!m_titleNormalSize->isChecked());
    OnSettingChanged();
}

void CPageColor::OnResetDefaults() {
    m_mainNormalSize->setChecked(true);
    m_titleNormalSize->setChecked(true);
    SetBoxBytes(m_mainSize, "10");
    SetBoxBytes(m_titleSize, "10");
    // Putting text into the size boxes is reported as a change even when the
    // text stays the same.
    OnSettingChanged();
    m_mainBackGroundColor = kResetMainBackGround;
    m_mainLetterColor = kResetMainLetter;
    m_titleBackGroundColor = kResetTitleBackGround;
    m_titleLetterColor = kResetTitleLetter;
    UpdateControls();
}

bool CPageColor::OnApply() {
    m_settings.ColorMainLetter = m_mainLetterColor;
    m_settings.ColorMainBackGround = m_mainBackGroundColor;
    m_settings.ColorTitleLetter = m_titleLetterColor;
    m_settings.ColorTitleBackGround = m_titleBackGroundColor;
    m_settings.UseDefaultFontSizeMain = GetCheck(m_mainNormalSize);
    m_settings.UseDefaultFontSizeTitle = GetCheck(m_titleNormalSize);
    // atoi of the text, also while the box is greyed out; an empty box gives 0.
    m_settings.FontSizeMain = std::atoi(BoxBytes(m_mainSize).c_str());
    m_settings.FontSizeTitle = std::atoi(BoxBytes(m_titleSize).c_str());
    return true;
}

}  // namespace kivor
