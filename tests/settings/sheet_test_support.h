// Helpers of the option-sheet tests: settings with the defaults of a fresh
// install, and controls found by their resource number.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>
#include <string>

#include "platform/cp932.h"
#include "settings/settings.h"

namespace kivor::test {

inline Settings FreshSettings() {
    return DefaultSettings("/home/user/diary/");
}

template <typename Control>
Control* Find(const QWidget* parent, int id) {
    auto* control = parent->findChild<Control*>(QString::number(id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

inline QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Types text that QTest's key tables do not know (Japanese), one key event
// per character, as an input method without composition would.
inline void TypeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        const QString key = text.mid(i, length);
        i += length - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, key);
        QApplication::sendEvent(widget, &release);
    }
}

inline std::string Cp932(const char* utf8) {
    return Sjis(utf8);
}

}  // namespace kivor::test
