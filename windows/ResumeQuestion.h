#pragma once

#include <QString>

class QWidget;
struct ResumableOffer;

// "Rozehraný zápas": asks whether to go on with the match the history holds unfinished. True
// for "Pokračovat", the default; false for "Později" or the close box.
bool AskToResume(QWidget* parent, const ResumableOffer& offer);

// The question's text: the round, the distance and end shot next and when the match began.
QString ResumeQuestionText(const ResumableOffer& offer);
