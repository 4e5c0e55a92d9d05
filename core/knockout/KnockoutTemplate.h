#pragma once

#include "core/knockout/KnockoutStage.h"

#include <QByteArray>
#include <QMap>
#include <QVector>
#include <optional>

// One place of the first round as a template names it: the team in `position` of a group ("2C"),
// one of the best third-placed teams of several groups ("3ADEF"), or a bye (position 0).
struct TemplateSlot
{
    int position = 0;
    QVector<int> groups; // indices from 0 (A); more than one for a third chosen among groups
    bool isThird() const { return groups.size() > 1; }
};

// Which group's third fills each slot for thirds when the thirds of exactly `groups` qualify.
struct ThirdsAssignment
{
    QVector<int> groups;        // ascending
    QMap<int, int> groupOfSlot; // slot index -> group index
};

// The first round of a knockout stage after the group tables: its places in bracket order, two
// per tie, and the published assignments of the qualifying thirds.
struct KnockoutTemplate
{
    QVector<TemplateSlot> places;
    QVector<ThirdsAssignment> thirds;
};

// A template from a CSV with the header "tie,home,away" and a row per first-round tie in order
// ("R16-1,1A,2B"), plus optional rows "thirds,CDEF,R16-3=F R16-4=E R16-5=D R16-6=C". Nothing, with
// the reason naming the line in `refusal`, when the file is not such a template.
std::optional<KnockoutTemplate> readKnockoutTemplate(const QByteArray& bytes, QString* refusal);

// The first-round places, ready for KnockoutStage::fromPlaces, for groups whose teams are listed in
// league order, and the groups in the order their thirds rank (see rankAcrossGroups): the best
// thirds, as many as the template has slots for, qualify. A published assignment of exactly those
// groups places them; otherwise the slots in template order take, each, the best-ranked remaining
// third it allows for which the later slots can still all be filled. Nothing, with the reason in
// `refusal`, when the groups do not have the teams the template names.
std::optional<QVector<KnockoutStage::Place>> templatePlaces(const KnockoutTemplate& knockoutTemplate,
                                                            const QVector<QVector<KnockoutTeam>>& groups,
                                                            const QVector<int>& thirdsByRank, QString* refusal);
