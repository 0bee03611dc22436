#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt_text.h"

namespace kivor {

MbAnswer QtMessageBoxService::Show(const std::string& text, const std::string& caption,
                                   MbButtons buttons, MbIcon icon) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(FromCp932(caption));
    box.setText(FromCp932(text));
    switch (icon) {
        case MbIcon::none:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MbIcon::exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MbIcon::information:
            box.setIcon(QMessageBox::Information);
            break;
        case MbIcon::question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    // The button texts of the Japanese system.
    switch (buttons) {
        case MbButtons::ok:
            box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        case MbButtons::okCancel:
            box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
            box.setEscapeButton(
                box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole));
            break;
        case MbButtons::yesNo:
            box.setDefaultButton(box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole));
            box.setEscapeButton(box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole));
            break;
    }
    box.exec();
    QMessageBox::ButtonRole role = box.buttonRole(box.clickedButton());
    switch (buttons) {
        case MbButtons::ok:
            return MbAnswer::ok;
        case MbButtons::okCancel:
            return role == QMessageBox::AcceptRole ? MbAnswer::ok : MbAnswer::cancel;
        case MbButtons::yesNo:
            return role == QMessageBox::YesRole ? MbAnswer::yes : MbAnswer::no;
    }
    return MbAnswer::ok;
}

}  // namespace kivor
