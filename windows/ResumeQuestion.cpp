#include "windows/ResumeQuestion.h"

#include <QDateTime>
#include <QPushButton>

#include "session/GameSession.h"
#include "windows/GameTextDisplay.h"

ResumeQuestion::ResumeQuestion(const ResumableOffer& offer, QWidget* parent)
    : QMessageBox(QMessageBox::Question, tr("Rozehraný zápas"), QString(), QMessageBox::NoButton,
                  parent),
      Pokracovat(addButton(tr("Pokračovat"), QMessageBox::AcceptRole)),
      Pozdeji(addButton(tr("Později"), QMessageBox::RejectRole)) {
    setDefaultButton(Pokracovat);
    const NextEnd next = NextEndOf(offer.point);
    const QDateTime started =
        QDateTime::fromString(QString::fromStdString(offer.started), Qt::ISODate);
    // The time on the clock of the place where the match was shot.
    const QString when = started.isValid() ? started.toString(tr("d. M. yyyy H:mm"))
                                           : QString::fromStdString(offer.started);
    setText(tr("Máte rozehraný zápas: %1, %2 m, %3. sada, hraný %4. Chcete v něm pokračovat?")
                .arg(TranslatedRoundTitle(offer.point.roundType))
                .arg(next.distance)
                .arg(next.endNumber)
                .arg(when));
}

bool ResumeQuestion::ask() {
    exec();
    return clickedButton() == Pokracovat;
}
