#!/usr/bin/env python3
"""Independent reference for the seeded numbers in the model tests.

Re-implements, straight from the drawing rules, the random source, the six random
letters and one generated experiment, and prints the values that the C++ tests compare
against. Run it to re-derive the expected numbers: python3 reference_generator.py
"""
import math

class Lcg:
    def __init__(self, seed=1):
        self.state = seed

    def draw(self):
        self.state = (self.state * 214013 + 2531011) % 2**32
        return (self.state // 65536) % 32768

def trunc(x):
    return int(x)  # Python's int() truncates toward zero

def random_letter(rng, shape, length=20):
    raw = []
    for _ in range(length):
        v = rng.draw() % 300
        if shape == 6 and rng.draw() % 2 == 1:
            v = -v
        raw.append(v)
    energy = sum(v * v for v in raw)
    out = []
    for v in raw:
        s = trunc(v * math.sqrt(72000.0 / energy)) if shape in (5, 6) else trunc(-v * math.sqrt(72000.0 / energy))
        if shape in (5, 6) and s > 150:
            s = 150 - rng.draw() % 30
        if shape in (6, 7) and s < -150:
            s = rng.draw() % 30 - 150
        out.append(s)
    return out

def alphabet_random_letters(rng):
    # Letters 1..15 draw nothing; 16..21 follow in order.
    return {n: random_letter(rng, shape) for n, shape in zip(range(16, 22), (5, 5, 6, 6, 7, 7))}

def generate(rng, params, word, sigma, letters):
    N, M_min, M_max, T_min, T_max, A_plus, B_minus, B = params
    L = len(word)
    lo = max(M_min, L)
    M = lo + rng.draw() % (M_max - lo + 1)
    g = [0] * (M + 1)
    g[1] = rng.draw() % (A_plus + 1)
    for i in range(2, M + 1):
        g[i] = T_min + rng.draw() % (T_max - T_min + 1)
    total = sum(g[1:])
    while total < B_minus or total > B:
        c = 1 + rng.draw() % M
        if total > B:
            floor = 0 if c == 1 else T_min
            if g[c] > floor:
                e = 1 + rng.draw() % (g[c] - floor)
                g[c] -= e
                total -= e
        else:
            ceil = A_plus if c == 1 else T_max
            if g[c] < ceil:
                e = 1 + rng.draw() % (ceil - g[c])
                g[c] += e
                total += e
    starts = [0]
    for i in range(1, M + 1):
        starts.append(starts[-1] + g[i])
    flagged = set()
    while len(flagged) < L - 1:
        flagged.add(1 + rng.draw() % (M - 1))
    ends = [0] + sorted(flagged) + [M]
    # Samples: each fragment a copy of its series' letter.
    hidden = [0] * N
    for e in range(1, L + 1):
        for k in range(ends[e - 1] + 1, ends[e] + 1):
            for d in range(20):
                hidden[starts[k] + d] = letters[word[e - 1]][d]
    noise = []
    for i in range(N):
        u1 = 0.0
        while u1 == 0.0:
            u1 = rng.draw() / 32767.0
        u2 = rng.draw() / 32767.0
        f = math.sin(6.283185307179586 * u2) if i % 2 == 0 else math.cos(6.283185307179586 * u2)
        noise.append(trunc(math.sqrt(-2 * math.log(u1)) * sigma * f))
    observable = [h + n for h, n in zip(hidden, noise)]
    return M, starts[1:], ends[1:], hidden, noise, observable, rng.draw()

def main():
    rng = Lcg(1)
    print("first draws from state 1:", [rng.draw() for _ in range(10)])
    randoms = alphabet_random_letters(Lcg(1))
    for n, samples in randoms.items():
        print(f"letter {n}:", samples)
    letters = {3: [trunc(math.sin(i * math.pi / 19) * 87) for i in range(20)],
               11: [(165 * 10) // ((i - 10) ** 2 + 15) for i in range(20)]}
    letters.update(randoms)
    run = generate(Lcg(12345), (200, 1, 5, 40, 135, 115, 65, 180), [3, 11, 16], 60, letters)
    for name, value in zip(("M", "starts", "seriesEnds", "unobservable", "noise", "observable",
                            "next draw"), run):
        print(f"seed 12345, word 3 11 16, sigma 60, {name}:", value)
    fragments, whole = noise_to_signal(run[1], run[3], run[4])
    print("seed 12345, word 3 11 16, sigma 60, NSR: %f, All NSR: %f" % (fragments, whole))

def noise_to_signal(starts, hidden, noise, q=20):
    """The noise-to-signal energy ratios inside the fragments and over the whole sequence."""
    inside = [i for i in range(len(hidden)) if any(0 <= i - s < q for s in starts)]
    energy = lambda samples, where: sum(samples[i] ** 2 for i in where)
    return (energy(noise, inside) / energy(hidden, inside),
            energy(noise, range(len(noise))) / energy(hidden, range(len(hidden))))

if __name__ == "__main__":
    main()
