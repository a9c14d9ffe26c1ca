#pragma once
#include <QElapsedTimer>
#include <QList>
#include <algorithm>

// The benchmarks' figures: the median of the runs, and the time since the timer started.
inline double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline double ms(QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}
