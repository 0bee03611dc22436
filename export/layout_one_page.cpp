// Layout 1: every entry on the main page, under a heading per month.
#include "diary/calendar_tree.h"
#include "export/export_label.h"
#include "export/export_texts.h"
#include "export/html_fragments.h"
#include "export/page_layouts.h"
#include "export/pass_support.h"

namespace kivor {

bool ExportLayout1(const PassInputs& in, MessageBoxService& boxes) {
    const Settings& s = in.settings;
    PageFile mainPage;
    try {
        mainPage.Create(ExportPagePath(s, s.HtmlTopFileName));
        std::string& out = mainPage.Bytes();
        out.reserve(in.labels.size() * 2048);  // room for a typical diary, grown as needed
        WritePageHead(out, in.title);
        WriteBodyTag(s, out);
        if (ListPagesGet(s.WhereToWriteHeader)) WriteHeaderFooter(s, true, out);
        out += "<p>";

        RunningDate date;
        std::string prevY = NoDayYet(), prevM = NoDayYet();
        for (const std::string& label : in.labels) {
            if (date.Take(label) != LabelKind::day) continue;
            const std::string text = ReadDayText(s, date.DateKey());
            if (date.Y != prevY || date.M != prevM)
                WriteTitleTable(s, s.ColorTitleLetter, s.ColorTitleBackGround,
                                date.Y + kYearMark() + date.M + kMonthMark(), out);
            WriteBoldHeading(label, out);
            out += "<p>";
            AppendWithLineBreaksConverted(out, text);  // the text with its CR LF as <BR>
            out += "<p>";
            prevY = date.Y;
            prevM = date.M;
        }

        if (s.AddHomePageLink != 0) WriteHomePageLink(s, out);
        if (ListPagesGet(s.WhereToWriteFooter)) WriteHeaderFooter(s, false, out);
        WriteCredit(out);
        out += "\r\n</body></html>";
        mainPage.Close();
    } catch (const FileException& e) {
        ReportPassFailure(boxes, kLayout1Failed044(), e, {&mainPage});
        return false;
    }
    return true;
}

}  // namespace kivor
