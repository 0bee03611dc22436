#include "platform/url_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace kivor {

namespace {
std::function<bool(const QString&)>& Opener() {
    static std::function<bool(const QString&)> opener;
    return opener;
}
}  // namespace

bool OpenUrlOrFile(const QString& target) {
    if (target.isEmpty()) return false;
    if (Opener()) return Opener()(target);
    // A path (absolute, or relative to the current folder) opens as a local
    // file; anything else is read as a web address.
    QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (QFileInfo(target).isAbsolute()) url = QUrl::fromLocalFile(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void SetUrlOpener(std::function<bool(const QString&)> opener) {
    Opener() = std::move(opener);
}

}  // namespace kivor
