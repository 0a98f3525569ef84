#include "windows/ClassText.h"

#include <QCoreApplication>

#include "platform/QtText.h"
#include "windows/HistoryText.h"

QString ClassNameText(ArcheryClass id) {
    const ClassEntry& entry = ClassOf(id);
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(entry.name),
                                         QString::fromUtf8(entry.code));
}

QString ClassProgressText(const ClassProgress& p) {
    QString text = p.held ? QCoreApplication::translate("ClassText", "Klasifikace: %1, získaná %2")
                                .arg(ClassNameText(p.held->id), HistoryDateText(p.held->date))
                          : QCoreApplication::translate("ClassText", "Klasifikace: zatím žádná");
    text += QLatin1Char('\n');
    if (!p.next) return text + QCoreApplication::translate("ClassText", "Vyšší klasifikace není");
    return text + QCoreApplication::translate(
                      "ClassText", "Do %1 chybí %n tuctů šípů s handicapem nejvýš %2 na %3 m",
                      nullptr, p.next->dozens)
                      .arg(ClassNameText(p.next->id))
                      .arg(p.next->handicap)
                      .arg(p.next->metres);
}

QString EarnedClassText(const EarnedClass& earned) {
    return QCoreApplication::translate("ClassText", "%1 získává klasifikaci %2 !")
        .arg(fromUtf8(earned.archer), ClassNameText(earned.id));
}
