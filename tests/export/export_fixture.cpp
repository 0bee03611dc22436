#include "export_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "diary/entry_store.h"

namespace kivor::test {

std::string ExportDataPath(const std::string& name) {
    const char* data = std::getenv("KIVOR_TEST_DATA");
    return std::string(data ? data : "tests/data") + "/export/" + name;
}

std::map<std::string, std::string> FilesIn(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = ReadFileBytes(entry.path().string());
    return files;
}

std::string WithBuildHomePage(std::string page) {
    static const std::string kStored = "https://kivor.example.org/";
    const std::string build = KIVOR_HOMEPAGE_URL;
    for (std::size_t at = page.find(kStored); at != std::string::npos;
         at = page.find(kStored, at + build.size()))
        page.replace(at, kStored.size(), build);
    return page;
}

ExportFixture::ExportFixture()
    : out(dir.Path() + "out"), settings(DefaultSettings(dir.Path())), tree(settings) {
    std::filesystem::create_directory(out);
}

void ExportFixture::AddFixtureEntries() {
    for (const auto& [name, bytes] : FilesIn(ExportDataPath("diary")))
        WriteFileBytes(dir / name, bytes);
}

void ExportFixture::BuildTree() {
    tree.Build(ListEntryDates(settings.ProgramFolder));
}

ExportInputs ExportFixture::Inputs(int layout) const {
    return ExportInputs{out, settings.HtmlTopFileName, settings.HtmlTitle, layout};
}

}  // namespace kivor::test
