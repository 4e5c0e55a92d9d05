#pragma once

#include "core/knockout/KnockoutStage.h"

#include <QByteArray>
#include <QString>

// A knockout stage as tabulon-cli bracket prints it and the published site shows it.

// The knockout report's rounds and champion as plain text, lines ended by "\n".
QString bracketText(const KnockoutStage& stage);

// One row per game under the header
// tie,round,leg,home,away,home_ft,away_ft,home_aet,away_aet,home_pens,away_pens,winner
// home and away as that game lists them (the second-listed team at home in a second leg); a bye is
// one row without an away team. Extra time and penalties are on the deciding game's row, and so is
// the winner, so that a tie's first leg never names one. Cells not known yet are empty; a cell with
// a comma, a quote or a line break is quoted as RFC 4180 says. UTF-8, lines ended by "\n".
QByteArray bracketCsv(const KnockoutStage& stage);

// A standalone web page (UTF-8, inline style, no scripts): the rounds left to right, each tie a
// box with both teams, each game's score (after extra time when played), the shoot-out and the
// a.e.t. and pens marks, the winner in bold; the third-place match under the final, the champion
// at the right. `title` is the tournament's short title.
QByteArray bracketHtml(const QString& title, const KnockoutStage& stage);
