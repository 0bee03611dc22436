// Layout 2: the main page lists years, months and links to one page per day.
#include "diary/calendar_tree.h"
#include "export/export_label.h"
#include "export/export_texts.h"
#include "export/html_fragments.h"
#include "export/page_layouts.h"
#include "export/pass_support.h"

namespace kivor {

bool ExportLayout2(const PassInputs& in, MessageBoxService& boxes) {
    const Settings& s = in.settings;
    PageFile mainPage;
    PageFile dayPage;
    try {
        mainPage.Create(ExportPagePath(s, s.HtmlTopFileName));
        std::string& out = mainPage.Bytes();
        WritePageHead(out, in.title);
        WriteBodyTag(s, out);
        if (ListPagesGet(s.WhereToWriteHeader)) WriteHeaderFooter(s, true, out);
        out += "<p>";

        RunningDate date;
        std::string prevY = NoDayYet(), prevM = NoDayYet();
        for (const std::string& label : in.labels) {
            switch (date.Take(label)) {
                case LabelKind::year:
                    if (date.Y != prevY) {
                        out += "<p>";
                        WriteTitleTable(s, s.ColorTitleLetter, s.ColorTitleBackGround,
                                        date.Y + kYearMark(), out);
                        prevM = NoDayYet();
                    }
                    break;
                case LabelKind::month:
                    if (date.M != prevM) WriteBoldHeading(date.M + kMonthMark(), out);
                    break;
                case LabelKind::day: {
                    const std::string key = date.DateKey();
                    const std::string name = key + ".html";
                    out += "<a href=\"";
                    out += name;
                    out += "\">";
                    out += date.D;
                    out += kDayMark();
                    out += "</a>&nbsp;";

                    dayPage.Create(ExportPagePath(s, name));
                    std::string& day = dayPage.Bytes();
                    const std::string fullDate =
                        date.Y + kYearMark() + date.M + kMonthMark() + date.D + kDayMark();
                    WritePageHead(day, in.title + " " + fullDate);
                    WriteBodyTag(s, day);
                    const std::string text = ReadDayText(s, key);
                    if (EntryPagesGet(s.WhereToWriteHeader)) WriteHeaderFooter(s, true, day);
                    WriteTitleTable(s, s.ColorTitleLetter, s.ColorTitleBackGround, fullDate, day);
                    day += "<p>";
                    AppendWithLineBreaksConverted(day, text);  // CR LF as <BR>
                    WriteBackLink(s, day);
                    day += "<p>";
                    if (EntryPagesGet(s.WhereToWriteFooter)) WriteHeaderFooter(s, false, day);
                    WriteCredit(day);
                    day += "\r\n</body></html>";
                    dayPage.Close();
                    prevY = date.Y;
                    prevM = date.M;
                    break;
                }
                case LabelKind::none:
                    break;
            }
        }

        out += "<p>";
        if (s.AddHomePageLink != 0) WriteHomePageLink(s, out);
        if (ListPagesGet(s.WhereToWriteFooter)) WriteHeaderFooter(s, false, out);
        out += "\r\n";
        WriteCredit(out);
        out += "</body></html>";
        mainPage.Close();
    } catch (const FileException& e) {
        ReportPassFailure(boxes, kLayout2Failed024(), e, {&mainPage, &dayPage});
        return false;
    }
    return true;
}

}  // namespace kivor
