// The date banner's texts, the link label and the About box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/about_dlg.h"
#include "app/static_link.h"
#include "app/title_view.h"
#include "platform/url_opener.h"

namespace kivor::test {
namespace {

TEST(TitleViewTest, showsDateAndWeekdayOfTheKey) {
    struct Case {
        const char* key;
        const char* date;
        const char* weekday;
    };
    const Case cases[] = {
        {"20040514", "2004年05月14日", "金"},
        {"20040229", "2004年02月29日", "日"},
        {"20040231", "2004年02月31日", "火"},  // 2 March 2004
    };
    CTitleView view;
    for (const Case& c : cases) {
        view.SetDate(c.key);
        EXPECT_EQ(view.m_editDate->text(), QString::fromUtf8(c.date)) << c.key;
        EXPECT_EQ(view.m_editWeekday->text(), QString::fromUtf8(c.weekday)) << c.key;
    }
    view.SetDate("");
    EXPECT_TRUE(view.m_editDate->text().isEmpty());
    EXPECT_TRUE(view.m_editWeekday->text().isEmpty());
    EXPECT_TRUE(view.m_editDate->isReadOnly());
    EXPECT_TRUE(view.m_editWeekday->isReadOnly());
    EXPECT_EQ(view.m_labelWeekday->text(), QStringLiteral("曜日"));
    // Date box, weekday box and label from left to right.
    EXPECT_LT(view.m_editDate->geometry().right(), view.m_editWeekday->geometry().left());
    EXPECT_LT(view.m_editWeekday->geometry().right(), view.m_labelWeekday->geometry().left());
}

class LinkTest : public ::testing::Test {
  protected:
    void TearDown() override { SetUrlOpener(nullptr); }
    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2)); }
    QStringList m_opened;
    void Opener(bool result) {
        SetUrlOpener([this, result](const QString& target) {
            m_opened << target;
            return result;
        });
    }
};

TEST_F(LinkTest, clickOpensTargetAndTurnsPurple_failureKeepsBlue) {
    CStaticLink link(QStringLiteral("https://example.org/"));
    link.setText(QStringLiteral("ホームページへ接続"));
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    Opener(false);
    Click(&link);
    EXPECT_EQ(m_opened, QStringList{QStringLiteral("https://example.org/")});
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    Opener(true);
    Click(&link);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(128, 0, 128));
}

TEST_F(LinkTest, emptyTargetOpensOwnText_bothEmptyIgnoresClicks) {
    Opener(true);
    CStaticLink link;
    Click(&link);
    EXPECT_TRUE(m_opened.isEmpty());
    link.setText(QStringLiteral("/tmp/guide.html"));
    Click(&link);
    EXPECT_EQ(m_opened, QStringList{QStringLiteral("/tmp/guide.html")});
}

TEST_F(LinkTest, aboutBox_showsNameVersionAndABlueLinkToTheHomePage) {
    Opener(true);
    for (int opening = 0; opening < 2; ++opening) {
        CAboutDlg about;
        EXPECT_EQ(about.windowTitle(), QStringLiteral("ケルノアのバージョン情報"));
        EXPECT_EQ(about.m_version->text(), QStringLiteral("ケルノア バージョン 2.22"));
        EXPECT_EQ(about.m_buttonOk->text(), QStringLiteral("OK"));
        EXPECT_EQ(about.m_link->text(), QStringLiteral("ホームページへ接続"));
        EXPECT_FALSE(about.m_icon->pixmap().isNull());
        EXPECT_EQ(about.m_link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        Click(about.m_link);
        EXPECT_EQ(about.m_link->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    }
    EXPECT_EQ(m_opened, QStringList(2, QStringLiteral(KIVOR_HOMEPAGE_URL)));
}

}  // namespace
}  // namespace kivor::test
