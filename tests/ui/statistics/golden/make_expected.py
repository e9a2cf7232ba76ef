#!/usr/bin/env python3
"""Writes the statistics window's fixed data set and its expected figures.

The figures are computed here from first principles, independently of the program's code:
the registration replay, the prediction, the backtest with its interval and exact p-value, the
digit counts with chi-square tests (closed form for odd degrees of freedom) and Holm's
adjustment, the money of box tickets at 200 yen and the theoretical prizes (900,000 yen over a
number's arrangements; four equal digits are not sold as a box), the box counts, the waiting combinations and a few numbers' records. Run it once
from this folder; the outputs are checked in.
"""
import json
import math
import random

RESULTS = 300
COUNTER = 1500
ODD_LINE = 57  # a history line that is not four digits, as an older file may hold
SLOTS = 570
Z95 = 1.959963984540054
TICKET_YEN = 200
PRIZE_POOL_YEN = 900000  # 45% of 10,000 numbers at 200 yen


def initial_table():
    table = []
    for n in range(10000):
        d = "%04d" % n
        if list(d) == sorted(d) and len(set(d)) >= 3:
            table.append(d)
    assert len(table) == SLOTS
    return table


def same_box(a, b):
    return len(a) == len(b) and sorted(a) == sorted(b)


def four_digits(t):
    return len(t) == 4 and all("0" <= c <= "9" for c in t)


def arrangements(c):
    if not four_digits(c):
        return 0
    a = 24
    for d in set(c):
        a //= math.factorial(c.count(d))
    return a


def char(text, p):
    return text[p - 1] if p <= len(text) else ""


def digit_or_zero(c):
    return int(c) if len(c) == 1 and "0" <= c <= "9" else 0


def predict(table, history, count):
    slot = lambda k: history[k - 1] if 1 <= k <= len(history) else ""
    lead = char(slot(1), 1)
    counts = [0] * 10
    for l in range(2, 74):
        if char(slot(l), 1) == lead:
            counts[digit_or_zero(char(slot(l + 1), 1))] += 1
    favoured, best = 0, 0
    for d in range(10):
        if counts[d] > best:
            favoured, best = d, counts[d]
    favoured = str(favoured)
    anchor = char(slot(9), 4)
    holds = lambda c, w: any(char(c, p) == w for p in range(1, 5))
    listed = []
    for n in range(231, 501):
        c = table[n - 1]
        if not c or not holds(c, favoured):
            continue
        if sum(digit_or_zero(char(c, p)) for p in range(1, 5)) > 25 or not holds(c, anchor):
            continue
        listed.append(char(c, 3) + char(c, 1) + char(c, 2) + char(c, 4))
        if len(listed) == count:
            break
    return listed


def register(table, history, result):
    for n, c in enumerate(table):
        if same_box(c, result):
            del table[n]
            table.append(result)
            break
    history.insert(0, result)
    del history[2000:]


def wilson(hits, n):
    p = hits / n
    z2 = Z95 * Z95
    centre = (p + z2 / (2 * n)) / (1 + z2 / n)
    half = Z95 / (1 + z2 / n) * math.sqrt(p * (1 - p) / n + z2 / (4 * n * n))
    return max(0.0, centre - half), min(1.0, centre + half)


def at_least(chances, hits):
    dist = [1.0]
    for q in chances:
        nxt = [0.0] * (len(dist) + 1)
        for k, v in enumerate(dist):
            nxt[k] += v * (1 - q)
            nxt[k + 1] += v * q
        dist = nxt
    return sum(dist[hits:])


def backtest(oldest_first, count):
    table, history = initial_table(), []
    rounds = []
    for i, text in enumerate(oldest_first):
        rnd = COUNTER - len(oldest_first) + 1 + i
        if four_digits(text):
            predicted = predict(table, history[:1000], count)
            hit = any(same_box(text, c) for c in predicted)
            tickets = [c for c in predicted if arrangements(c) > 1]
            won = sum(PRIZE_POOL_YEN // arrangements(c) for c in tickets if same_box(text, c))
            rounds.append((rnd, hit, sum(arrangements(c) for c in predicted) / 10000, predicted,
                           len(tickets), won))
        register(table, history, text)
    n = len(rounds)
    hits = sum(r[1] for r in rounds)
    expected = sum(r[2] for r in rounds)
    low, high = wilson(hits, n)
    cum_h = cum_e = var = 0.0
    chart = {"rounds": [], "hits": [], "expected": [], "low": [], "high": [], "balance": [],
             "chanceBalance": []}
    balance = chance_balance = 0
    for rnd, hit, e, _, tickets, won in rounds:
        balance += won - TICKET_YEN * tickets
        chance_balance -= 0.55 * TICKET_YEN * tickets
        chart["balance"].append(balance)
        chart["chanceBalance"].append(chance_balance)
        cum_h += hit
        cum_e += e
        var += e * (1 - e)
        spread = Z95 * math.sqrt(var)
        chart["rounds"].append(rnd)
        chart["hits"].append(cum_h)
        chart["expected"].append(cum_e)
        chart["low"].append(max(0.0, cum_e - spread))
        chart["high"].append(cum_e + spread)
    chance = expected / n
    tickets = sum(r[4] for r in rounds)
    won = sum(r[5] for r in rounds)
    return {
        "tickets": tickets, "cost": TICKET_YEN * tickets, "return": won,
        "balance": won - TICKET_YEN * tickets, "returnRate": won / (TICKET_YEN * tickets),
        "first": rounds[0][0], "last": rounds[-1][0], "rounds": n,
        "empty": sum(1 for r in rounds if not r[3]), "hits": hits, "expected": expected,
        "ratio": hits / expected, "ratioLow": low / chance, "ratioHigh": high / chance,
        "hitRate": hits / n, "rateLow": low, "rateHigh": high, "chanceRate": chance,
        "pValue": at_least([r[2] for r in rounds], hits),
        "verdict": "below" if chance < low else "above" if chance > high else "inside",
        "chart": chart,
    }, table


def chi_square_p(x, dof):
    # Odd degrees of freedom: 2(1 - Phi(sqrt x)) + 2 phi(sqrt x) sum x^((2k-1)/2) / (1*3*...*(2k-1)).
    assert dof % 2 == 1
    r = math.sqrt(x)
    total, term = math.erfc(r / math.sqrt(2)), 0.0
    density = math.exp(-x / 2) / math.sqrt(2 * math.pi)
    odd = 1.0
    for k in range(1, (dof - 1) // 2 + 1):
        odd *= 2 * k - 1
        term += r ** (2 * k - 1) / odd
    return total + 2 * density * term


def holm(ps):
    order = sorted(range(len(ps)), key=lambda i: ps[i])
    out, floor = [0.0] * len(ps), 0.0
    for rank, i in enumerate(order):
        floor = max(floor, min(1.0, (len(ps) - rank) * ps[i]))
        out[i] = floor
    return out


def digits(newest_first, limit):
    drawn = [t for t in newest_first if four_digits(t)][:limit]
    n = len(drawn)
    counts = [[sum(1 for t in drawn if t[p] == str(d)) for d in range(10)] for p in range(4)]
    stats = [sum((o - n / 10) ** 2 / (n / 10) for o in place) for place in counts]
    ps = [chi_square_p(x, 9) for x in stats]
    boxes = {}
    for a in range(10):
        for b in range(a, 10):
            for c in range(b, 10):
                for d in range(c, 10):
                    boxes["%d%d%d%d" % (a, b, c, d)] = 0
    for t in drawn:
        boxes["".join(sorted(t))] += 1
    rows = [(k, v, n * arrangements(k) / 10000) for k, v in boxes.items()]
    most = sorted(rows, key=lambda r: (-r[1], r[2], r[0]))[:10]
    least = sorted(rows, key=lambda r: (r[1], -r[2], r[0]))[:10]
    return {
        "results": n, "counts": counts, "statistics": stats, "pValues": ps, "holm": holm(ps),
        "most": [list(r) for r in most], "least": [list(r) for r in least],
        "neverDrawn": sum(1 for r in rows if r[1] == 0),
    }


def waiting(table, newest_first):
    out = []
    for n in range(1, 11):
        combo = table[n - 1]
        waited = None
        for k, t in enumerate([t for t in newest_first if t]):
            if same_box(t, combo):
                waited = k
                break
        out.append([n, combo, waited])
    return out


def record(number, oldest_first, table):
    straight = box = 0
    last = []
    for i in reversed(range(len(oldest_first))):
        t = oldest_first[i]
        if four_digits(t) and same_box(t, number):
            box += 1
            straight += t == number
            if len(last) < 5:
                last.append([COUNTER - len(oldest_first) + 1 + i, t])
    slot = next((n + 1 for n, c in enumerate(table) if same_box(c, number)), None)
    return {"straight": straight, "box": box, "last": last, "slot": slot,
            "predictable": slot is not None and 231 <= slot <= 500,
            "arrangements": arrangements(number)}


def main():
    rng = random.Random(20261207)
    oldest_first = ["%04d" % rng.randrange(10000) for _ in range(RESULTS)]
    oldest_first[RESULTS - ODD_LINE] = "12a4"
    newest_first = oldest_first[::-1]
    bt10, table = backtest(oldest_first, 10)
    bt5, _ = backtest(oldest_first, 5)
    # The numbers looked up: the newest result, one drawn several times, two pairs, and four
    # equal digits, which are not sold as a box.
    counts = {}
    for t in oldest_first:
        if four_digits(t):
            counts["".join(sorted(t))] = counts.get("".join(sorted(t)), 0) + 1
    often = max(sorted(counts), key=lambda k: counts[k])
    looked = [newest_first[0], often, "1122", "7777"]
    expected = {
        "counter": COUNTER, "oddLine": ODD_LINE, "backtest10": bt10, "backtest5": bt5,
        "digits100": digits(newest_first, 100), "digitsAll": digits(newest_first, 10 ** 9),
        "waiting": waiting(table, newest_first),
        "records": {n: record(n, oldest_first, table) for n in looked},
    }
    with open("kri4.dat", "w", newline="") as f:
        f.write("".join(t + "\r\n" for t in newest_first))
    with open("kri4key.dat", "w", newline="") as f:
        f.write("".join(t + "\r\n" for t in table))
    with open("kaisuu4.txt", "w", newline="") as f:
        f.write("%d\r\n" % COUNTER)
    with open("expected.json", "w") as f:
        json.dump(expected, f, indent=1)
        f.write("\n")


if __name__ == "__main__":
    main()
