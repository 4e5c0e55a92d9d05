#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVector>

// The knockout stages Set Up Knockout Stage offers ready made, so that the common ones need no
// file. Those built on group places are templates as readKnockoutTemplate reads them.
enum class KnockoutFormat {
    WinnersAgainstRunnersUp, // each winner against the runner-up of the neighbouring group
    BestThirds,              // six groups: the round of 16 with the four best thirds
    SeededDraw,              // winners then runners-up, each ranked across the groups, as seeds
};

// The formats that fit a tournament of `groupCount` groups, in the order they are offered.
QVector<KnockoutFormat> knockoutFormatsFor(int groupCount);

// Winners against runners-up, crossed in pairs of groups: 1A v 2B, 1C v 2D, ..., then 1B v 2A,
// 1D v 2C, ..., so that two teams of one group can meet only in the final. For 2, 4 or 8 groups.
QByteArray winnersAgainstRunnersUpTemplate(int groupCount);

// The round of 16 of six groups with the four best thirds, in the order the UEFA European
// Championship has played it since 2020, with its table of which winner each of the 15 sets of
// qualifying thirds meets.
QByteArray bestThirdsTemplate();

// A seeded list ("team" and a row per name) of the names in order, best seed first.
QByteArray seededListCsv(const QStringList& names);
