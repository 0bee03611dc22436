// Layout 3: the main page lists years and links to one page per month; a
// month page is emptied when its month is met, receives its days by being
// reopened and appended to, and is finished (reopened once more) when the
// days of another month begin or after the last label.
//
// The days of one month go to their page in one write: the page is reopened
// at its first day and its bytes are written before anything else touches
// the disk (the next month page, the end of the pass, or a failure), so the
// files hold at every point what day-by-day appends would have left.
#include "diary/calendar_tree.h"
#include "export/export_label.h"
#include "export/export_texts.h"
#include "export/html_fragments.h"
#include "export/page_layouts.h"
#include "export/pass_support.h"

namespace kivor {

namespace {

// Reopens a month page and appends its end: the link back, the footer of
// list pages, the credit and the page end.
void FinishMonthPage(const Settings& s, const std::string& name, PageFile& page) {
    page.OpenAtEnd(ExportPagePath(s, name));
    std::string& out = page.Bytes();
    WriteBackLink(s, out);
    if (ListPagesGet(s.WhereToWriteFooter)) WriteHeaderFooter(s, false, out);
    WriteCredit(out);
    out += "\r\n</body></html>";
    page.Close();
}

}  // namespace

bool ExportLayout3(const PassInputs& in, MessageBoxService& boxes) {
    const Settings& s = in.settings;
    PageFile mainPage;
    PageFile monthPage;      // the month page receiving its days
    PageFile createdPage;    // a month page being created (emptied)
    PageFile finishingPage;  // the month page being finished
    try {
        mainPage.Create(ExportPagePath(s, s.HtmlTopFileName));
        std::string& out = mainPage.Bytes();
        WritePageHead(out, in.title);
        WriteBodyTag(s, out);
        if (ListPagesGet(s.WhereToWriteHeader)) WriteHeaderFooter(s, true, out);

        std::string currentMonthPage;
        RunningDate date;
        std::string prevY = NoDayYet(), prevM = NoDayYet();
        for (const std::string& label : in.labels) {
            const LabelKind kind = date.Take(label);
            // The days of a month end with its last day: write them before
            // anything else is written.
            if (kind != LabelKind::day) monthPage.Close();
            switch (kind) {
                case LabelKind::year:
                    if (date.Y != prevY) {
                        WriteTitleTable(s, s.ColorTitleLetter, s.ColorTitleBackGround,
                                        date.Y + kYearMark(), out);
                        out += "<p>";
                        prevM = NoDayYet();
                    }
                    break;
                case LabelKind::month:
                    if (date.M != prevM) {
                        const std::string name = date.Y + date.M + "xx.html";
                        out += "<a href=";
                        out += name;
                        createdPage.Create(ExportPagePath(s, name));
                        createdPage.Close();
                        out += " >";
                        out += date.M;
                        out += kMonthMark();
                        out += "</a><p>";
                    }
                    break;
                case LabelKind::day: {
                    const std::string name = date.Y + date.M + "xx.html";
                    const std::string path = ExportPagePath(s, name);
                    if (monthPage.IsOpen() && monthPage.Path() != path) monthPage.Close();
                    if (!monthPage.IsOpen()) monthPage.OpenAtEnd(path);
                    if (!currentMonthPage.empty() && currentMonthPage != name)
                        FinishMonthPage(s, currentMonthPage, finishingPage);
                    std::string& page = monthPage.Bytes();
                    if (currentMonthPage != name) {
                        WritePageHead(
                            page, in.title + " " + date.Y + kYearMark() + date.M + kMonthMark());
                        WriteBodyTag(s, page);
                        if (ListPagesGet(s.WhereToWriteHeader)) WriteHeaderFooter(s, true, page);
                        currentMonthPage = name;
                    }
                    std::string text = ReadDayText(s, date.DateKey());
                    ConvertLineBreaks(text);
                    WriteTitleTable(s, s.ColorTitleLetter, s.ColorTitleBackGround,
                                    date.M + kMonthMark() + date.D + kDayMark(), page);
                    page += "<p>";
                    WriteFontText(s, s.ColorMainLetter, text, page);
                    page += "<p>";
                    prevY = date.Y;
                    prevM = date.M;
                    break;
                }
                case LabelKind::none:
                    break;
            }
        }

        monthPage.Close();  // the days of the last month
        if (!currentMonthPage.empty()) {
            try {
                FinishMonthPage(s, currentMonthPage, finishingPage);
            } catch (const FileException& e) {
                ReportPassFailure(boxes, kLastMonthPageFailed021(), e, {&finishingPage});
            }
        }

        if (s.AddHomePageLink != 0) WriteHomePageLink(s, out);
        if (ListPagesGet(s.WhereToWriteFooter)) WriteHeaderFooter(s, false, out);
        WriteCredit(out);
        out += "\r\n</body></html>";
        mainPage.Close();
    } catch (const FileException& e) {
        ReportPassFailure(boxes, kLayout3Failed049(), e,
                          {&mainPage, &monthPage, &createdPage, &finishingPage});
        return false;
    }
    return true;
}

}  // namespace kivor
