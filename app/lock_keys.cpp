#include "app/lock_keys.h"

#include <QDir>
#include <QFile>

namespace kivor {

bool IsLockKeyOn(LockKey key) {
    const char* suffix = "";
    switch (key) {
        case LockKey::kana:
            suffix = "::kana";
            break;
        case LockKey::caps:
            suffix = "::capslock";
            break;
        case LockKey::num:
            suffix = "::numlock";
            break;
        case LockKey::scroll:
            suffix = "::scrolllock";
            break;
    }
    // Any keyboard whose LED is lit counts.
    const QDir leds(QStringLiteral("/sys/class/leds"));
    if (!leds.exists()) return false;
    const QStringList names = leds.entryList({QStringLiteral("*") + QLatin1String(suffix)},
                                             QDir::AllEntries | QDir::System);
    for (const QString& name : names) {
        QFile brightness(leds.filePath(name) + QStringLiteral("/brightness"));
        if (brightness.open(QIODevice::ReadOnly) && brightness.readAll().trimmed() != "0") {
            return true;
        }
    }
    return false;
}

}  // namespace kivor
