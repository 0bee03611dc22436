// The property sheet's contract with its pages: lazy creation, OnApply in
// page order on OK and Apply, the Apply button's state, Cancel.
#include "platform/property_sheet.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <string>
#include <vector>

namespace kivor {
namespace {

// A page that writes what happens to it into a shared log.
class LoggingPage : public PropertyPage {
  public:
    LoggingPage(std::string name, std::vector<std::string>& log, bool applyResult = true)
        : PropertyPage(QString::fromStdString(name), QSize(100, 50)),
          m_name(std::move(name)),
          m_log(log),
          m_applyResult(applyResult) {}

    bool OnApply() override {
        m_log.push_back("apply " + m_name);
        return m_applyResult;
    }
    void Change() { OnSettingChanged(); }

  protected:
    void OnInitDialog() override {
        m_log.push_back("init " + m_name);
        new QLabel(QStringLiteral("shown"), this);
        (new QLabel(QStringLiteral("hidden"), this))->hide();
    }

  private:
    std::string m_name;
    std::vector<std::string>& m_log;
    bool m_applyResult;
};

using Log = std::vector<std::string>;

struct ThreePages {
    Log log;
    PropertySheet sheet{QStringLiteral("細かい設定")};
    LoggingPage* a = new LoggingPage("a", log);
    LoggingPage* b = new LoggingPage("b", log);
    LoggingPage* c = new LoggingPage("c", log);
    ThreePages() {
        sheet.AddPage(a);
        sheet.AddPage(b);
        sheet.AddPage(c);
    }
};

TEST(PropertySheet, buttonsReadAsOnTheJapaneseSystem) {
    PropertySheet sheet(QStringLiteral("オプション"));
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("オプション"));
    EXPECT_EQ(sheet.OkButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(sheet.CancelButton()->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(sheet.ApplyButton()->text(), QStringLiteral("適用(&A)"));
    EXPECT_TRUE(sheet.OkButton()->isDefault());
}

TEST(PropertySheet, createsOnlyThePagesShown_andOpensOnTheFirst) {
    ThreePages t;
    EXPECT_TRUE(t.log.empty()) << "nothing is created before the sheet opens";
    t.sheet.show();
    EXPECT_EQ(t.sheet.ActivePageIndex(), 0);
    EXPECT_EQ(t.log, (Log{"init a"}));
    t.sheet.Tabs()->setCurrentIndex(2);
    t.sheet.Tabs()->setCurrentIndex(0);
    t.sheet.Tabs()->setCurrentIndex(2);
    EXPECT_EQ(t.log, (Log{"init a", "init c"})) << "each page is created once";
    EXPECT_FALSE(t.b->IsCreated());
    // The controls made when the page is shown are on screen, except those
    // the page hides.
    const auto labels = t.c->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_TRUE(labels[0]->isVisible());
    EXPECT_FALSE(labels[1]->isVisible());
}

TEST(PropertySheet, okAppliesCreatedPagesInPageOrder_thenCloses) {
    ThreePages t;
    t.sheet.show();
    t.sheet.Tabs()->setCurrentIndex(2);
    t.log.clear();
    t.sheet.OkButton()->click();
    EXPECT_EQ(t.log, (Log{"apply a", "apply c"}));
    EXPECT_EQ(t.sheet.result(), QDialog::Accepted);
    EXPECT_FALSE(t.sheet.isVisible());
}

TEST(PropertySheet, applyIsEnabledByAChange_andDisabledAgainAfterApply) {
    ThreePages t;
    t.sheet.show();
    EXPECT_FALSE(t.sheet.ApplyButton()->isEnabled());
    t.a->Change();
    EXPECT_TRUE(t.sheet.ApplyButton()->isEnabled());
    t.sheet.ApplyButton()->click();
    EXPECT_EQ(t.log, (Log{"init a", "apply a"}));
    EXPECT_FALSE(t.sheet.ApplyButton()->isEnabled());
    EXPECT_TRUE(t.sheet.isVisible()) << "Apply keeps the sheet open";
    EXPECT_FALSE(t.a->IsModified());
}

TEST(PropertySheet, cancelCallsNoPage) {
    ThreePages t;
    t.sheet.show();
    t.sheet.Tabs()->setCurrentIndex(1);
    t.a->Change();
    t.sheet.CancelButton()->click();
    EXPECT_EQ(t.log, (Log{"init a", "init b"}));
    EXPECT_EQ(t.sheet.result(), QDialog::Rejected);
    EXPECT_FALSE(t.sheet.isVisible());
}

TEST(PropertySheet, aPageRefusingApply_keepsTheSheetOpenOnThatPage) {
    Log log;
    PropertySheet sheet(QStringLiteral("x"));
    auto* first = new LoggingPage("a", log);
    auto* refusing = new LoggingPage("b", log, false);
    auto* last = new LoggingPage("c", log);
    sheet.AddPage(first);
    sheet.AddPage(refusing);
    sheet.AddPage(last);
    sheet.show();
    sheet.Tabs()->setCurrentIndex(1);
    sheet.Tabs()->setCurrentIndex(2);
    sheet.Tabs()->setCurrentIndex(0);
    log.clear();
    sheet.OkButton()->click();
    EXPECT_EQ(log, (Log{"apply a", "apply b"}));
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.ActivePageIndex(), 1);
}

}  // namespace
}  // namespace kivor
