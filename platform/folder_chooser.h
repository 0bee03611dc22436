// The folder chooser: the platform's folder dialog opening on a given
// folder, and a seam that lets tests answer it.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace kivor {

// Shows the folder chooser with the prompt, opening on `startFolder`; the
// chosen folder, or nullopt when the user cancels.
std::optional<QString> ChooseFolder(QWidget* parent, const QString& prompt,
                                    const QString& startFolder);

// Test seam: the function answers instead of the dialog (it receives the
// prompt and the start folder); nullptr restores the dialog.
void SetFolderChooser(
    std::function<std::optional<QString>(const QString& prompt, const QString& startFolder)>
        chooser);

}  // namespace kivor
