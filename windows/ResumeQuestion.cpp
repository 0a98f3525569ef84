#include "windows/ResumeQuestion.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>

#include "session/GameSession.h"
#include "windows/GameTextDisplay.h"

QString ResumeQuestionText(const ResumableOffer& offer) {
    const NextEnd next = NextEndOf(offer.point);
    const QDateTime started =
        QDateTime::fromString(QString::fromStdString(offer.started), Qt::ISODate);
    // The time as the clock on the wall showed it where the match was shot.
    const QString when = started.isValid()
                             ? started.toString(QCoreApplication::translate("ResumeQuestion", "d. M. yyyy H:mm"))
                             : QString::fromStdString(offer.started);
    return QCoreApplication::translate("ResumeQuestion", "Máte rozehraný zápas: %1, %2 m, %3. sada, hraný %4. Chcete v něm pokračovat?")
        .arg(TranslatedRoundTitle(offer.point.roundType))
        .arg(next.distance)
        .arg(next.endNumber)
        .arg(when);
}

bool AskToResume(QWidget* parent, const ResumableOffer& offer) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("ResumeQuestion", "Rozehraný zápas"), ResumeQuestionText(offer),
                    QMessageBox::NoButton, parent);
    QPushButton* goOn = box.addButton(QCoreApplication::translate("ResumeQuestion", "Pokračovat"), QMessageBox::AcceptRole);
    box.addButton(QCoreApplication::translate("ResumeQuestion", "Později"), QMessageBox::RejectRole);
    box.setDefaultButton(goOn);
    box.exec();
    return box.clickedButton() == goOn;
}
