#include "windows/ErrorBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <iostream>

void ShowErrorBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, parent);
    // The text may carry a file name the player typed; it is never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int RunShowingFatalErrors(const std::function<int()>& game) {
    try {
        return game();
    } catch (const std::exception& error) {
        std::cerr << "vexa99: " << error.what() << std::endl;
        ShowErrorBox(nullptr, QString::fromUtf8(error.what()));
        return EXIT_FAILURE;
    }
}
