#pragma once

#include <QString>

#include "rules/classification/Classification.h"

// How the windows speak of the classes; a class's name is the scheme's own in every language.

// "Bowman 1st Class (B1)"
QString ClassNameText(ArcheryClass id);
// The class held and when it was earned, then what the next one still needs.
QString ClassProgressText(const ClassProgress& progress);
// "Petr získává klasifikaci Bowman 1st Class (B1) !"
QString EarnedClassText(const EarnedClass& earned);
