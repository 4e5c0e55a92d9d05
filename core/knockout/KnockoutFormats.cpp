#include "core/knockout/KnockoutFormats.h"

#include "core/knockout/KnockoutRounds.h"

namespace {

QString letter(int group)
{
    return QChar(char16_t(u'A' + group));
}

// The winner each third meets, for every set of four groups whose thirds qualify: the thirds
// that play the winners of groups B, F, C and E, in that order.
struct ThirdsRow
{
    const char* groups;
    const char* opponents; // of 1B, 1F, 1C, 1E
};

constexpr ThirdsRow kThirdsTable[] = {
    { "ABCD", "ACDB" }, { "ABCE", "ACEB" }, { "ABCF", "ACFB" }, { "ABDE", "DBEA" }, { "ABDF", "DBFA" },
    { "ABEF", "EAFB" }, { "ACDE", "EADC" }, { "ACDF", "FADC" }, { "ACEF", "EAFC" }, { "ADEF", "EAFD" },
    { "BCDE", "ECDB" }, { "BCDF", "FBDC" }, { "BCEF", "FBEC" }, { "BDEF", "FBED" }, { "CDEF", "FCED" },
};

} // namespace

QVector<KnockoutFormat> knockoutFormatsFor(int groupCount)
{
    QVector<KnockoutFormat> formats;
    if (groupCount == 2 || groupCount == 4 || groupCount == 8)
        formats.append(KnockoutFormat::WinnersAgainstRunnersUp);
    if (groupCount == 6)
        formats.append(KnockoutFormat::BestThirds);
    if (groupCount >= 1)
        formats.append(KnockoutFormat::SeededDraw);
    return formats;
}

QByteArray winnersAgainstRunnersUpTemplate(int groupCount)
{
    QString csv = QStringLiteral("tie,home,away\n");
    int tie = 0;
    for (const int first : { 0, 1 }) {
        for (int pair = 0; pair < groupCount / 2; ++pair) {
            const int winner = 2 * pair + first;
            const int runnerUp = 2 * pair + 1 - first;
            csv += QStringLiteral("%1,1%2,2%3\n")
                       .arg(tieCode({ groupCount * 2, ++tie }), letter(winner), letter(runnerUp));
        }
    }
    return csv.toUtf8();
}

QByteArray bestThirdsTemplate()
{
    QString csv = QStringLiteral("tie,home,away\n"
                                 "R16-1,1B,3ADEF\n"
                                 "R16-2,1A,2C\n"
                                 "R16-3,1F,3ABC\n"
                                 "R16-4,2D,2E\n"
                                 "R16-5,1C,3DEF\n"
                                 "R16-6,2A,2B\n"
                                 "R16-7,1E,3ABCD\n"
                                 "R16-8,1D,2F\n");
    for (const ThirdsRow& row : kThirdsTable) {
        const QString opponents = QString::fromLatin1(row.opponents);
        csv += QStringLiteral("thirds,%1,R16-1=%2 R16-3=%3 R16-5=%4 R16-7=%5\n")
                   .arg(QString::fromLatin1(row.groups), opponents[0], opponents[1], opponents[2], opponents[3]);
    }
    return csv.toUtf8();
}

QByteArray seededListCsv(const QStringList& names)
{
    QString csv = QStringLiteral("team\n");
    for (const QString& name : names)
        csv += u'"' + QString(name).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + QStringLiteral("\"\n");
    return csv.toUtf8();
}
