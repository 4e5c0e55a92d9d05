#pragma once

#include <QVector>

// The seed that takes each place of a first round of `size` places (a power of two), in tie order:
// 1, 8, 4, 5, 2, 7, 3, 6 for eight. Seeds 1 and 2 can meet only in the final, the top four only
// from the semi-finals on; each first-round pair sums to size + 1, so when fewer teams enter, the
// missing highest seeds leave byes to the top seeds.
QVector<int> seedOrder(int size);
