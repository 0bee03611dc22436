// export_bench: the export of a synthetic 3,650-day diary in each layout
// (the whole run: labels, probe, pass, with the default settings), beside a
// reference: a minimal program that reads the same entry files whole and
// writes the same pages' bytes, each page with one write. Both run in the
// same process, on the same files; compare their CPU times. Before timing,
// each layout's pages from both are compared byte for byte.
//
//   build/bench/export_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/synthetic_diary.h"
#include "diary/calendar_tree.h"
#include "diary/entry_store.h"
#include "export/export_run.h"
#include "platform/cp932.h"
#include "settings/settings.h"

namespace kivor::bench {
namespace {

constexpr int kDays = 3650;

class QuietBoxes : public MessageBoxService {
  public:
    MbAnswer Show(const std::string& text, const std::string& caption, MbButtons buttons,
                  MbIcon) override {
        if (caption != Sjis("成功"))
            throw std::runtime_error("export failed: " + Cp932ToUtf8Lossy(text));
        return buttons == MbButtons::yesNo ? MbAnswer::yes : MbAnswer::ok;
    }
};

// The diary, written once, and its labels in export order.
struct Diary {
    std::string folder;
    Settings settings;
    std::unique_ptr<CalendarTree> tree;
    std::vector<std::string> labels;

    Diary() {
        char pattern[] = "/tmp/kivor-export-bench-XXXXXX";
        if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp");
        folder = std::string(pattern) + "/";
        WriteSyntheticDiary(folder, kDays, EntryDate{2000, 1, 1});
        settings = DefaultSettings(folder);
        tree = std::make_unique<CalendarTree>(settings);
        tree->Build(ListEntryDates(folder));
        tree->ClearLabels();
        tree->CollectLabels(tree->Root());
        if (settings.NewerIsUpper != 0) tree->PutNewerDaysFirst();
        labels = tree->Labels();
    }
    ~Diary() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::string OutFolder(const char* who, int layout) const {
        std::string out = folder + who + std::to_string(layout);
        std::filesystem::create_directories(out);
        return out;
    }
};

Diary& TheDiary() {
    static Diary diary;
    return diary;
}

// ---- the reference: the same bytes, written plainly ------------------------

struct Fixed {
    std::string head, body, tableStart, tableEnd, credit, back, year, month, day;
    Fixed() {
        head = "<html><head><title>" + Sjis("私の日記");
        body = "<body bgcolor=\"ffffff\" text=\"000000\">\r\n";
        tableStart =
            "<table border=\"1\" width=\"100%\" bgcolor=\"#00ffff\">\r\n<tr>\r\n"
            "<td width=\"100%\">\r\n<font color=\"#ffffff\">\r\n";
        tableEnd = "</font>\r\n</td>\r\n</tr>\r\n</table>\r\n";
        credit = Sjis(std::string("<p><p>この日記は<a href=\"") + KIVOR_HOMEPAGE_URL +
                      "\">ケルノア</a>で作成されました。</p><p>");
        back = Sjis("<p align=\"center\">[<a href=\"./index.html\">戻る</a>]</p>");
        year = Sjis("年");
        month = Sjis("月");
        day = Sjis("日");
    }
};

const Fixed& F() {
    static const Fixed fixed;
    return fixed;
}

void ReadWhole(const std::string& path, std::string& text) {
    text.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("open " + path);
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, n);
    ::close(fd);
}

void AppendConverted(std::string& out, const std::string& text) {
    std::size_t from = 0, at;
    while ((at = text.find("\r\n", from)) != std::string::npos) {
        out.append(text, from, at - from);
        out += "<BR>";
        from = at + 2;
    }
    out.append(text, from);
}

void WritePage(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("write " + path);
    ::close(fd);
}

// The label's kind from its last character, and its digits.
char Kind(const std::string& label) {
    const Fixed& f = F();
    if (label.size() < f.day.size()) return 0;
    const char* end = label.data() + label.size() - 2;
    if (std::memcmp(end, f.day.data(), 2) == 0) return 'd';
    if (std::memcmp(end, f.month.data(), 2) == 0) return 'm';
    if (std::memcmp(end, f.year.data(), 2) == 0) return 'y';
    return 0;
}

void ReferenceExport(const Diary& d, const std::string& out, int layout) {
    const Fixed& f = F();
    std::string page, text, Y, M, D, prevY = "x", prevM = "x", monthName, monthPage;
    page.reserve(layout == 1 ? 8 << 20 : 1 << 20);
    page += f.head + "</title></head>\r\n" + f.body;
    if (layout != 3) page += "<p>";
    for (const std::string& label : d.labels) {
        switch (Kind(label)) {
            case 'y':
                Y.assign(label, 0, 4);
                if (layout != 1 && Y != prevY) {
                    if (layout == 2) page += "<p>";
                    page += f.tableStart + Y + f.year + f.tableEnd;
                    if (layout == 3) page += "<p>";
                    prevM = "x";
                }
                break;
            case 'm':
                M.assign(label, 0, 2);
                if (layout == 2 && M != prevM)
                    page += "<p><strong>" + M + f.month + "</strong>\r\n<p>";
                if (layout == 3 && M != prevM)
                    page += "<a href=" + Y + M + "xx.html >" + M + f.month + "</a><p>";
                break;
            case 'd': {
                D.assign(label, 0, 2);
                ReadWhole(d.folder + Y + M + D + ".kv1", text);
                if (layout == 1) {
                    if (Y != prevY || M != prevM)
                        page += f.tableStart + Y + f.year + M + f.month + f.tableEnd;
                    page += "<p><strong>" + label + "</strong>\r\n<p><p>";
                    AppendConverted(page, text);
                    page += "<p>";
                } else if (layout == 2) {
                    const std::string key = Y + M + D;
                    page += "<a href=\"" + key + ".html\">" + D + f.day + "</a>&nbsp;";
                    const std::string full = Y + f.year + M + f.month + D + f.day;
                    std::string dayPage = f.head + " " + full + "</title></head>\r\n" + f.body +
                                          f.tableStart + full + f.tableEnd + "<p>";
                    AppendConverted(dayPage, text);
                    dayPage += f.back + "<p>" + f.credit + "\r\n</body></html>";
                    WritePage(out + "/" + key + ".html", dayPage);
                } else {
                    const std::string name = Y + M + "xx.html";
                    if (name != monthName) {
                        if (!monthName.empty()) {
                            monthPage += f.back + f.credit + "\r\n</body></html>";
                            WritePage(out + "/" + monthName, monthPage);
                        }
                        monthName = name;
                        monthPage = f.head + " " + Y + f.year + M + f.month +
                                    "</title></head>\r\n" + f.body;
                    }
                    monthPage += f.tableStart + M + f.month + D + f.day + f.tableEnd +
                                 "<p><font color=#000000>";
                    AppendConverted(monthPage, text);
                    monthPage += "</font><p>";
                }
                prevY = Y;
                prevM = M;
                break;
            }
        }
    }
    if (layout == 3 && !monthName.empty()) {
        monthPage += f.back + f.credit + "\r\n</body></html>";
        WritePage(out + "/" + monthName, monthPage);
    }
    if (layout == 2)
        page += "<p>\r\n" + f.credit + "</body></html>";
    else
        page += f.credit + "\r\n</body></html>";
    WritePage(out + "/index.html", page);
}

// ---- the benchmarks --------------------------------------------------------

void KivorExport(Diary& d, const std::string& out, int layout) {
    QuietBoxes boxes;
    ExportInputs inputs{out, "index.html", d.settings.HtmlTitle, layout};
    if (RunExport(d.settings, *d.tree, inputs, boxes) != ExportResult::succeeded)
        throw std::runtime_error("export failed");
}

std::map<std::string, std::string> Pages(const std::string& folder) {
    std::map<std::string, std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string bytes;
        ReadWhole(entry.path().string(), bytes);
        pages[entry.path().filename().string()] = bytes;
    }
    return pages;
}

// Both programs must write the same pages, or the comparison means nothing.
void CheckSamePages(Diary& d, int layout) {
    const std::string a = d.OutFolder("check-kivor", layout);
    const std::string b = d.OutFolder("check-reference", layout);
    KivorExport(d, a, layout);
    ReferenceExport(d, b, layout);
    if (Pages(a) != Pages(b))
        throw std::runtime_error("the reference writes other pages in layout " +
                                 std::to_string(layout));
}

void BM_KivorExport(benchmark::State& state) {
    Diary& d = TheDiary();
    const int layout = static_cast<int>(state.range(0));
    CheckSamePages(d, layout);
    const std::string out = d.OutFolder("kivor", layout);
    for (auto _ : state) KivorExport(d, out, layout);
    state.SetItemsProcessed(state.iterations() * kDays);
}

void BM_ReferenceExport(benchmark::State& state) {
    Diary& d = TheDiary();
    const int layout = static_cast<int>(state.range(0));
    const std::string out = d.OutFolder("reference", layout);
    for (auto _ : state) ReferenceExport(d, out, layout);
    state.SetItemsProcessed(state.iterations() * kDays);
}

BENCHMARK(BM_ReferenceExport)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KivorExport)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kivor::bench

BENCHMARK_MAIN();
