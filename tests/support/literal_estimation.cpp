#include "support/literal_estimation.h"

#include <iostream>
#include <vector>

#include "estimation/min_search.h"
#include "estimation/tables.h"

namespace tesselo::literal {
namespace {

Cost Plus(Cost letterCost, Cost predecessor) {
  return predecessor == kUnreachable ? kUnreachable : letterCost + predecessor;
}

// g(p, e) for p = 0..N-q, e = 1..L.
Table2D<Cost> LetterCostTable(const SeriesModel& m, const Word& word, const Alphabet& alphabet) {
  Table2D<Cost> g(m.N - m.q + 1, word.length + 1);
  const std::vector<int>& x = m.observable.samples;
  for (int e = 1; e <= word.length; ++e) {
    const std::vector<int>& w = alphabet.letters[word.letters[e]].samples;
    Cost energy = 0;
    for (int j = 0; j < m.q; ++j) energy += Cost{w[j]} * w[j];
    for (int p = 0; p <= m.N - m.q; ++p) {
      g(p, e) = energy;
      for (int j = 0; j < m.q; ++j) g(p, e) -= 2 * Cost{w[j]} * x[p + j];
    }
  }
  return g;
}

}  // namespace

Placement PlaceKnownCount(const SeriesModel& m, const Word& word, const Alphabet& alphabet) {
  const int N = m.N;
  const int M = m.M;
  const int L = word.length;
  const Table2D<Cost> g = LetterCostTable(m, word, alphabet);
  Table3D<Cost> G(N, M + 1, L + 1);
  Table3D<int> ArgMin(N, M + 1, L + 1);
  Table3D<int> Perehod(N, M + 1, L + 1);
  for (int p = 0; p < N; ++p)
    for (int k = 0; k <= M; ++k)
      for (int e = 1; e <= L; ++e) {
        G(p, k, e) = kUnreachable;
        ArgMin(p, k, e) = -1;
        Perehod(p, k, e) = 0;
      }

  int left = 0;
  int right = 0;
  int leftGam = 0;
  int rightGam = 0;
  auto omega = [&](int k) {
    const bool found = m.Omega(k, left, right);
    if (!found) std::cout << "something wrong with Omega";
    return found;
  };

  omega(1);
  for (int p = left; p <= right; ++p) G(p, 1, 1) = g(p, 1);
  for (int k = 2; k <= M; ++k) {
    omega(k);
    for (int p = left; p <= right; ++p) {
      m.Gamma(p, k, leftGam, rightGam);
      int arg = 0;
      G(p, k, 1) = Plus(g(p, 1), MinOverStarts3D(G, k - 1, 1, leftGam, rightGam, arg));
      ArgMin(p, k, 1) = arg;
    }
  }
  for (int e = 2; e <= L; ++e) {
    omega(e);
    for (int p = left; p <= right; ++p) {
      m.Gamma(p, e, leftGam, rightGam);
      int arg = 0;
      G(p, e, e) = Plus(g(p, e), MinOverStarts3D(G, e - 1, e - 1, leftGam, rightGam, arg));
      ArgMin(p, e, e - 1) = arg;
      Perehod(p, e, e) = 1;
    }
    for (int k = e + 1; k <= M; ++k) {
      omega(k);
      for (int p = left; p <= right; ++p) {
        m.Gamma(p, k, leftGam, rightGam);
        int argS = 0;
        int argC = 0;
        const Cost S = MinOverStarts3D(G, k - 1, e - 1, leftGam, rightGam, argS);
        ArgMin(p, k, e - 1) = argS;
        const Cost C = MinOverStarts3D(G, k - 1, e, leftGam, rightGam, argC);
        ArgMin(p, k, e) = argC;
        Cost best = C;
        if (S < C) {
          best = S;
          Perehod(p, k, e) = 1;
        }
        G(p, k, e) = Plus(g(p, e), best);
      }
    }
  }

  if (!omega(M)) return {};
  int start = 0;
  Placement placement;
  placement.cost = MinOverStarts3D(G, M, L, left, right, start);
  if (!placement.Found()) return {};
  std::vector<int>& starts = placement.starts;
  std::vector<int>& ends = placement.seriesEnds;
  starts.assign(N, 0);
  ends.assign(L + 1, 0);
  starts[M] = start;
  ends[L] = M;
  for (int k = M, e = L; k > 1;) {
    if (e == 1) {
      starts[k - 1] = ArgMin(starts[k], k, 1);
      k = k - 1;
    } else if (k == e || Perehod(starts[k], k, e) == 1) {
      starts[k - 1] = ArgMin(starts[k], k, e - 1);
      k = k - 1;
      e = e - 1;
      ends[e] = k;
    } else {
      starts[k - 1] = ArgMin(starts[k], k, e);
      k = k - 1;
    }
  }
  starts.resize(M + 1);
  return placement;
}

Placement DividePattern(const SeriesModel& m, const Word& word, const Alphabet& alphabet) {
  const int N = m.N;
  const int L = word.length;
  const Table2D<Cost> g = LetterCostTable(m, word, alphabet);
  Table2D<Cost> G(N, L + 1);
  Table2D<int> ArgMin(N, L + 1);
  Table2D<int> Perehod(N, L + 1);
  for (int p = 0; p < N; ++p)
    for (int e = 1; e <= L; ++e) {
      G(p, e) = kUnreachable;
      ArgMin(p, e) = -1;
      Perehod(p, e) = 0;
    }

  int left = 0;
  int right = 0;
  int leftGam = 0;
  int rightGam = 0;
  if (m.FirstOnlyRange(left, right)) {
    for (int p = left; p <= right; ++p)
      if (m.IsAdmissibleStart(p)) {
        G(p, 1) = g(p, 1);
        Perehod(p, 1) = 0;
      }
  }
  if (m.FirstOrSecondRange(left, right)) {
    for (int p = left; p <= right; ++p) {
      if (!m.IsAdmissibleStart(p)) continue;
      m.GammaFree(p, 1, leftGam, rightGam);
      const Cost u = MinOverAdmissible2D(m, G, 1, leftGam, rightGam, ArgMin(p, 1));
      if (u > 0) {
        G(p, 1) = g(p, 1);
        Perehod(p, 1) = 0;
      } else {
        G(p, 1) = g(p, 1) + u;
        Perehod(p, 1) = 1;
      }
    }
  }
  if (m.SecondOnlyRange(left, right)) {
    for (int p = left; p <= right; ++p) {
      if (!m.IsAdmissibleStart(p)) continue;
      m.GammaFree(p, 1, leftGam, rightGam);
      G(p, 1) = Plus(g(p, 1), MinOverAdmissible2D(m, G, 1, leftGam, rightGam, ArgMin(p, 1)));
      Perehod(p, 1) = 1;
    }
  }
  for (int e = 2; e <= L; ++e) {
    m.OmegaFree(e, left, right);
    for (int p = left; p <= right; ++p) {
      if (!m.IsAdmissibleStart(p)) continue;
      m.GammaFree(p, e - 1, leftGam, rightGam);
      const Cost S = MinOverAdmissible2D(m, G, e - 1, leftGam, rightGam, ArgMin(p, e - 1));
      G(p, e) = Plus(g(p, e), S);
      Perehod(p, e) = e - 1;
      if (m.GammaFree(p, e, leftGam, rightGam)) {
        const Cost C = MinOverAdmissible2D(m, G, e, leftGam, rightGam, ArgMin(p, e));
        if (C != kUnreachable && g(p, e) + C < G(p, e)) {
          G(p, e) = g(p, e) + C;
          Perehod(p, e) = e;
        }
      }
    }
  }

  int last = 0;
  Placement placement;
  placement.cost = MinOverStarts2D(G, L, m.B_minus, m.B, last);
  if (!placement.Found()) return {};

  const int M_max = m.M_max;
  std::vector<int> reverseStarts(M_max + 2, 0);
  std::vector<int> reversePlaces(M_max + 2, 0);
  std::vector<int> countOfPlace(L + 1, 0);
  reverseStarts[1] = last;
  reversePlaces[1] = L;
  int K = 0;
  for (int t = 1; t <= M_max; ++t) {
    reversePlaces[t + 1] = Perehod(reverseStarts[t], reversePlaces[t]);
    if (reversePlaces[t + 1] == 0) {
      K = t;
      break;
    }
    reverseStarts[t + 1] = ArgMin(reverseStarts[t], reversePlaces[t + 1]);
  }
  if (K == 0) return {};
  placement.starts.assign(K + 1, 0);
  for (int k = 1; k <= K; ++k) {
    placement.starts[k] = reverseStarts[K - k + 1];
    ++countOfPlace[reversePlaces[k]];
  }
  placement.seriesEnds.assign(L + 1, 0);
  placement.seriesEnds[L] = K;
  for (int e = L; e >= 2; --e)
    placement.seriesEnds[e - 1] = placement.seriesEnds[e] - countOfPlace[e];
  return placement;
}

FoundWord FindWord(const SeriesModel& m, const Alphabet& alphabet, int known) {
  FoundWord best;
  Cost running = kUnreachable;
  for (int i = 1; i <= m.words->count; ++i) {
    const Word& word = m.words->words[i];
    if (word.length > m.M_max) continue;
    Placement placement;
    if (known == 0) {
      placement = DividePattern(m, word, alphabet);
      running = placement.cost;
    } else if (word.length <= m.M) {
      placement = PlaceKnownCount(m, word, alphabet);
      running = placement.cost;
    }
    if (running < best.placement.cost) {
      best.number = i;
      best.placement = placement;
    }
  }
  return best;
}

}  // namespace tesselo::literal
