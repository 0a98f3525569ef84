#pragma once

#include <QString>
#include <string>

// How the statistics write what the history holds.

QString HistoryUtf8(const std::string& text);
// An ISO 8601 time as a date and time of the interface's language; the text as stored when it
// is no time.
QString HistoryDateText(const std::string& iso);
