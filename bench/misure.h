#pragma once
#include <QElapsedTimer>
#include <QList>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

// The benchmarks' figures: the median of the runs with the fastest and the slowest (the noise),
// ours beside the limit, and the ratio of the medians.
inline double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline double ms(QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// The heading of a table of figures, with what its limit is.
inline void intestazione(const char* titolo, const char* limite)
{
    std::printf("\n%s\nthe limit: %s\nms, median (fastest-slowest)%*sours%*slimit   ratio\n", titolo, limite, 16, "", 21,
                "");
}

inline void confronto(const char* cosa, const QList<double>& nostri, const QList<double>& limiti)
{
    const auto [n1, n2] = std::minmax_element(nostri.begin(), nostri.end());
    const auto [l1, l2] = std::minmax_element(limiti.begin(), limiti.end());
    std::printf("%-40s %8.1f (%7.1f-%7.1f) %8.1f (%7.1f-%7.1f) %6.2fx\n", cosa, mediana(nostri), *n1, *n2,
                mediana(limiti), *l1, *l2, mediana(nostri) / mediana(limiti));
}

// A figure that has no limit beside it.
inline void senzaLimite(const char* cosa, const QList<double>& v)
{
    const auto [a, b] = std::minmax_element(v.begin(), v.end());
    std::printf("%-40s %8.1f (%7.1f-%7.1f)\n", cosa, mediana(v), *a, *b);
}

// The machine's load (the averages over 1, 5 and 15 minutes), which the figures are read beside.
inline void carico(const char* quando)
{
    std::string medie;
    std::getline(std::ifstream("/proc/loadavg"), medie);
    std::printf("load average %s: %s\n", quando, medie.c_str());
}
