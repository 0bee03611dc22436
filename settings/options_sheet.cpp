#include "settings/options_sheet.h"

#include "settings/page_color.h"
#include "settings/page_general.h"
#include "settings/page_header_footer.h"
#include "settings/page_link.h"

namespace kivor {

std::unique_ptr<PropertySheet> MakeOptionsSheet(QWidget* parent, Settings& settings,
                                                std::function<void()> resortTree) {
    auto sheet = std::make_unique<PropertySheet>(QStringLiteral("オプション"), parent, 0);
    sheet->AddPage(new CPageGeneral(settings, std::move(resortTree)));
    return sheet;
}

std::unique_ptr<PropertySheet> MakeExportDetailsSheet(QWidget* parent, Settings& settings) {
    auto sheet = std::make_unique<PropertySheet>(QStringLiteral("細かい設定"), parent, 0);
    sheet->AddPage(new CPageColor(settings));
    sheet->AddPage(new CPageExportHtmlHeaderFooter(settings));
    sheet->AddPage(new CPageLink(settings));
    return sheet;
}

void RunOptionsSheet(QWidget* parent, Settings& settings, std::function<void()> resortTree) {
    MakeOptionsSheet(parent, settings, std::move(resortTree))->DoModal();
}

void RunExportDetailsSheet(QWidget* parent, Settings& settings) {
    MakeExportDetailsSheet(parent, settings)->DoModal();
}

}  // namespace kivor
