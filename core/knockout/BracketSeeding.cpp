#include "BracketSeeding.h"

QVector<int> seedOrder(int size)
{
    QVector<int> order { 1 };
    // Each doubling pairs every seed with the new seed that makes the pair sum to the new size + 1.
    for (int places = 2; places <= size; places *= 2) {
        QVector<int> doubled;
        doubled.reserve(places);
        for (int seed : order)
            doubled << seed << places + 1 - seed;
        order = doubled;
    }
    return order;
}
