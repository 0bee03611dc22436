#include "platform/folder_chooser.h"

#include <QFileDialog>

namespace kivor {

namespace {
using Chooser = std::function<std::optional<QString>(const QString&, const QString&)>;
Chooser& TheChooser() {
    static Chooser chooser;
    return chooser;
}
}  // namespace

std::optional<QString> ChooseFolder(QWidget* parent, const QString& prompt,
                                    const QString& startFolder) {
    if (TheChooser()) return TheChooser()(prompt, startFolder);
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, prompt, startFolder, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

void SetFolderChooser(
    std::function<std::optional<QString>(const QString& prompt, const QString& startFolder)>
        chooser) {
    TheChooser() = std::move(chooser);
}

}  // namespace kivor
