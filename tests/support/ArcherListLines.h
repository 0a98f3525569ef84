#pragma once

#include <QListWidget>
#include <QStringList>

#include "windows/ArcherListDialog.h"

// The lines the archer list dialog shows, top to bottom.
inline QStringList Lines(const ArcherListDialog& form) {
    QStringList lines;
    for (int i = 0; i < form.ListBox1->count(); ++i) lines << form.ListBox1->item(i)->text();
    return lines;
}
