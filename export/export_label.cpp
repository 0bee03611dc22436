#include "export/export_label.h"

#include "diary/calendar_tree.h"
#include "platform/cp932.h"

namespace kivor {

LabelKind KindOfLabel(const std::string& label) {
    LabelKind kind = LabelKind::none;
    if (ContainsMb(label, kYearMark())) kind = LabelKind::year;
    if (ContainsMb(label, kMonthMark())) kind = LabelKind::month;
    if (ContainsMb(label, kDayMark())) kind = LabelKind::day;
    return kind;
}

LabelKind RunningDate::Take(const std::string& label) {
    const LabelKind kind = KindOfLabel(label);
    switch (kind) {
        case LabelKind::year:
            Y.assign(label, 0, 4);
            break;
        case LabelKind::month:
            M.assign(label, 0, 2);
            break;
        case LabelKind::day:
            D.assign(label, 0, 2);
            break;
        case LabelKind::none:
            break;
    }
    return kind;
}

}  // namespace kivor
