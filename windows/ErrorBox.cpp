#include "windows/ErrorBox.h"

#include <QCoreApplication>
#include <QMessageBox>

void ShowErrorBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, parent);
    // The text may carry a file name the player typed; it is never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
