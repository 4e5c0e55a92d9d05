#include "core/setup/GroupCaption.h"

QString groupLabel(int group, int indicator)
{
    switch (indicator) {
    case 0:
        return QString(QChar(u'A' + group - 1));
    case 1:
        return QString::number(group);
    default:
        // A file may carry an indicator other than 0 or 1; it has always been labelled as 2.
        return group == 1 ? QStringLiteral("Premier") : QString::number(group - 1);
    }
}

QString groupCaption(int group, const QString& groupTitle, int indicator)
{
    return QString::number(group) + QStringLiteral(". ") + groupTitle + u' ' + groupLabel(group, indicator);
}
