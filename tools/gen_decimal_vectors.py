#!/usr/bin/env python3
"""Generates tests/orveldblib/data/decimal_vectors.txt, the reference results that the Decimal
tests check the C++ arithmetic against.

The expected values are computed here independently of the C++ code, with Python's exact
integers and fractions, following the OLE Automation rules for DECIMAL (VarDecAdd, VarDecSub,
VarDecMul, VarDecDiv): a DECIMAL is sign * mantissa / 10^scale with a mantissa below 2^96 and a
scale of 0..28; a result is exact when it fits, otherwise rounded half to even to the largest
scale at which it fits, and an integer part beyond 96 bits is an overflow. For addition,
subtraction and multiplication every rounded result is checked a second time with the decimal
module (exact context, quantize with ROUND_HALF_EVEN) before it is written.

Run it from anywhere; it rewrites the data file deterministically (fixed seed):
    python3 tools/gen_decimal_vectors.py

Line format (fields separated by one space; '#' starts a comment line):
    add|sub|mul|div  A B  RESULT|overflow|divzero
    cmp              A B  LT|EQ|GT
    round            A N  RESULT          (Round3: half away from zero to N decimals)
    fix              A    RESULT          (integer part toward zero)
    long             A    RESULT|overflow (conversion to a 64-bit long)
    parse            TEXT RESULT|overflow|malformed
Numbers are in the invariant form and keep their scale ("-12.50"); a negative zero is written
"-0.00" both as operand and as result, so that the sign of zero results is checked as well.
"""

import decimal
import os
import random
from fractions import Fraction

MAX96 = (1 << 96) - 1
MAX_SCALE = 28
LONG_MIN = -(1 << 63)
LONG_MAX = (1 << 63) - 1


class Dec:
    """A DECIMAL: sign (True for negative), mantissa, scale."""

    __slots__ = ("neg", "man", "scale")

    def __init__(self, neg, man, scale):
        assert 0 <= man <= MAX96 and 0 <= scale <= MAX_SCALE
        self.neg, self.man, self.scale = bool(neg), man, scale

    def value(self):
        v = Fraction(self.man, 10 ** self.scale)
        return -v if self.neg else v

    def text(self):
        digits = str(self.man).rjust(self.scale + 1, "0")
        body = digits if self.scale == 0 else digits[:-self.scale] + "." + digits[-self.scale:]
        return ("-" if self.neg else "") + body


class Overflow(Exception):
    pass


def round_half_even(num, den):
    q, r = divmod(num, den)
    if 2 * r > den or (2 * r == den and q % 2 == 1):
        q += 1
    return q


def fit(magnitude, max_scale):
    """The largest scale <= max_scale at which the exact non-negative Fraction, rounded half to
    even, fits in 96 bits: (mantissa, scale). Raises Overflow when not even scale 0 holds it."""
    for s in range(max_scale, -1, -1):
        m = round_half_even(magnitude.numerator * 10 ** s, magnitude.denominator)
        if m <= MAX96:
            return m, s
    raise Overflow()


def check_with_decimal_module(exact, result):
    """Second opinion on a rounded result: the decimal module rounds the exact value to the same
    exponent, half to even."""
    ctx = decimal.Context(prec=400, rounding=decimal.ROUND_HALF_EVEN, Emax=999999, Emin=-999999)
    exact_dec = ctx.divide(decimal.Decimal(exact.numerator), decimal.Decimal(exact.denominator))
    assert ctx.multiply(exact_dec, decimal.Decimal(exact.denominator)) == exact.numerator, "not exact"
    q = exact_dec.quantize(decimal.Decimal(1).scaleb(-result.scale), context=ctx)
    assert Fraction(q.copy_abs()) == Fraction(result.man, 10 ** result.scale), (exact, result.text(), q)


def add(a, b, subtract=False):
    b_neg = b.neg != subtract
    exact = a.value() + (-b.value() if subtract else b.value())
    if a.scale == b.scale:
        zero_sign = a.neg
    else:
        # The operand of the smaller scale is the one VarDecAdd aligns; when it is zero, the
        # other operand is the result as it is (sign included).
        base_is_a = a.scale < b.scale
        base_man = a.man if base_is_a else b.man
        base_neg = a.neg if base_is_a else b_neg
        if base_man == 0:
            other = b if base_is_a else a
            other_neg = b_neg if base_is_a else a.neg
            return Dec(other_neg, other.man, other.scale)
        zero_sign = base_neg
    man, scale = fit(abs(exact), max(a.scale, b.scale))
    result = Dec(exact < 0 if exact != 0 else zero_sign, man, scale)
    check_with_decimal_module(exact, result)
    return result


def mul(a, b):
    neg = a.neg != b.neg
    scale = a.scale + b.scale
    if a.man < (1 << 32) and b.man < (1 << 32):
        # VarDecMul's 32x32-bit path: a product that would need more than 19 digits removed is
        # a plain zero; otherwise rounded to scale 28 at most.
        if scale > MAX_SCALE + 19:
            return Dec(False, 0, 0)
        p = a.man * b.man
        if scale > MAX_SCALE:
            result = Dec(neg, round_half_even(p, 10 ** (scale - MAX_SCALE)), MAX_SCALE)
            check_with_decimal_module(abs(a.value() * b.value()), result)
            return result
        return Dec(neg, p, scale)
    if a.man == 0 or b.man == 0:
        return Dec(False, 0, 0)
    exact = abs(a.value() * b.value())
    man, s = fit(exact, min(scale, MAX_SCALE))
    result = Dec(neg, man, s)
    check_with_decimal_module(exact, result)
    return result


def div(a, b):
    if b.man == 0:
        raise ZeroDivisionError()
    neg = a.neg != b.neg
    natural = a.scale - b.scale
    if a.man % b.man == 0:
        # Exact at the natural scale: that scale is kept (at least 0).
        q = a.man // b.man
        if natural < 0:
            q *= 10 ** (-natural)
            natural = 0
        if q > MAX96:
            raise Overflow()
        return Dec(neg, q, natural)
    exact = abs(a.value() / b.value())
    man, s = fit(exact, MAX_SCALE)
    while s > 0 and man % 10 == 0:
        man //= 10
        s -= 1
    return Dec(neg, man, s)


def cmp(a, b):
    va, vb = a.value(), b.value()
    return "LT" if va < vb else ("GT" if va > vb else "EQ")


def round3(a, n):
    n = max(0, min(MAX_SCALE, n))
    if a.scale <= n:
        return a
    drop = 10 ** (a.scale - n)
    q, r = divmod(a.man, drop)
    if 2 * r >= drop:
        q += 1
    return Dec(a.neg and q != 0, q, n)


def fix(a):
    q = a.man // 10 ** a.scale
    return Dec(a.neg and q != 0, q, 0)


def to_long(a):
    q = a.man // 10 ** a.scale
    v = -q if a.neg else q
    if v < LONG_MIN or v > LONG_MAX:
        raise Overflow()
    return str(v)


def parse_expected(text):
    """Reference reading of the invariant form (no blanks in these vectors)."""
    body = text
    neg = False
    if body[:1] in "+-":
        neg = body[0] == "-"
        body = body[1:]
    if body.count(".") > 1 or not body or body == ".":
        return "malformed"
    int_part, _, frac = body.partition(".")
    if not (int_part + frac).isdigit():
        return "malformed"
    exact = Fraction(int(int_part + frac or "0"), 10 ** len(frac))
    try:
        man, s = fit(exact, min(len(frac), MAX_SCALE))
    except Overflow:
        return "overflow"
    return Dec(neg and man != 0, man, s).text()


# ------------------------------------------------------------------------------------------------
# Operands

SPECIAL_MANTISSAS = [
    0, 1, 2, 5, 9, 10, 99, 100, 12345, (1 << 31) - 1, 1 << 31, (1 << 32) - 1, 1 << 32, (1 << 32) + 1,
    (1 << 63) - 1, 1 << 63, (1 << 64) - 1, 1 << 64, (1 << 64) + 1, (1 << 95), MAX96 - 1, MAX96,
    10 ** 9, 10 ** 18, 10 ** 19, 10 ** 20, 10 ** 28, 10 ** 28 - 1, 5 * 10 ** 27, MAX96 // 10,
    MAX96 // 10 + 1, 7922816251426433759354395033, 3, 7, 333333333333333333333333333,
]


def random_mantissa(rng):
    kind = rng.random()
    if kind < 0.2:
        return rng.choice(SPECIAL_MANTISSAS)
    if kind < 0.45:
        return rng.randint(0, 10 ** rng.randint(1, 9))
    if kind < 0.55:
        # Near a limb boundary or a power of ten.
        base = rng.choice([1 << 32, 1 << 64, 1 << 96, 10 ** rng.randint(1, 28)])
        return max(0, min(MAX96, base + rng.randint(-3, 3)))
    return rng.getrandbits(rng.randint(1, 96))


def random_scale(rng):
    kind = rng.random()
    if kind < 0.4:
        return rng.randint(0, 4)
    if kind < 0.55:
        return rng.choice([0, 1, 2, 27, 28])
    return rng.randint(0, MAX_SCALE)


def random_dec(rng):
    return Dec(rng.random() < 0.4, random_mantissa(rng), random_scale(rng))


def money(rng):
    """An everyday amount: up to 9 integer digits, 0..6 fraction digits."""
    scale = rng.randint(0, 6)
    return Dec(rng.random() < 0.3, rng.randint(0, 10 ** rng.randint(1, 9 + scale)), scale)


def tie_pairs(rng):
    """Pairs whose exact result lies exactly half-way between two representable values."""
    pairs = []
    for _ in range(40):
        # x (scale 28) * 0.5: the 29th digit is 5 or 0.
        x = Dec(rng.random() < 0.5, rng.getrandbits(rng.randint(4, 92)), 28)
        pairs.append(("mul", x, Dec(rng.random() < 0.5, 5, 1)))
        # x (scale 28) / 2 with x odd: a tie at scale 28.
        odd = Dec(rng.random() < 0.5, rng.getrandbits(rng.randint(4, 92)) | 1, 28)
        pairs.append(("div", odd, Dec(False, 2, 0)))
        # Same-scale additions that carry past 96 bits and leave a 5 to round.
        big = Dec(False, MAX96 - rng.randint(0, 10 ** 6), rng.randint(1, 28))
        other = Dec(False, rng.randint(10 ** 6, 10 ** 7) * 10 + 5, big.scale)
        pairs.append(("add", big, other))
    return pairs


def edge_pairs():
    z = lambda neg, scale: Dec(neg, 0, scale)
    one = Dec(False, 1, 0)
    max_ = Dec(False, MAX96, 0)
    pairs = []
    for op in ("add", "sub", "mul", "div"):
        for a in (z(False, 0), z(True, 0), z(False, 2), z(True, 3), one, Dec(True, 1, 0), Dec(False, 10, 1),
                  Dec(False, 100, 2), max_, Dec(True, MAX96, 0), Dec(False, MAX96, 28), Dec(False, 1, 28)):
            for b in (z(False, 0), z(True, 0), z(False, 2), z(True, 1), one, Dec(True, 1, 0), Dec(False, 10, 1),
                      Dec(False, 5, 1), max_, Dec(True, MAX96, 0), Dec(False, MAX96, 28), Dec(False, 1, 28),
                      Dec(False, 3, 0), Dec(False, 1, 20)):
                pairs.append((op, a, b))
    return pairs


def main():
    rng = random.Random(20241205)
    lines = []

    def emit_binary(op, a, b):
        try:
            if op == "add":
                r = add(a, b).text()
            elif op == "sub":
                r = add(a, b, subtract=True).text()
            elif op == "mul":
                r = mul(a, b).text()
            else:
                r = div(a, b).text()
        except Overflow:
            r = "overflow"
        except ZeroDivisionError:
            r = "divzero"
        lines.append(f"{op} {a.text()} {b.text()} {r}")

    lines.append("# Edge operands: zeros of both signs and several scales, 1, the 96-bit limits")
    for op, a, b in edge_pairs():
        emit_binary(op, a, b)

    lines.append("# Exact ties: rounding half to even")
    for op, a, b in tie_pairs(rng):
        emit_binary(op, a, b)

    for op in ("add", "sub", "mul", "div"):
        lines.append(f"# {op}: everyday amounts")
        for _ in range(250):
            emit_binary(op, money(rng), money(rng))
        lines.append(f"# {op}: operands across the whole range")
        for _ in range(700):
            a, b = random_dec(rng), random_dec(rng)
            if op == "div" and b.man == 0 and rng.random() < 0.8:
                b = Dec(b.neg, 1 + rng.getrandbits(rng.randint(1, 96)) % MAX96, b.scale)
            emit_binary(op, a, b)
        if op == "sub":
            lines.append("# sub: nearly cancelling operands")
            for _ in range(100):
                a = random_dec(rng)
                delta = Dec(False, rng.randint(0, 3), rng.randint(0, MAX_SCALE))
                try:
                    b = add(a, delta)
                except Overflow:
                    continue
                emit_binary("sub", a, b)
        if op == "mul":
            lines.append("# mul: repeated 0.1 * 0.1 and big * small")
            x = Dec(False, 1, 1)
            for _ in range(30):
                y = mul(x, Dec(False, 1, 1))
                emit_binary("mul", x, Dec(False, 1, 1))
                x = y
            for _ in range(60):
                big = Dec(rng.random() < 0.5, rng.getrandbits(96) | (1 << 90), rng.randint(0, 10))
                small = Dec(rng.random() < 0.5, rng.randint(1, 10 ** 6), rng.randint(10, 28))
                emit_binary("mul", big, small)
        if op == "div":
            lines.append("# div: exact quotients keep the natural scale")
            for _ in range(100):
                b = money(rng)
                if b.man == 0:
                    continue
                q = Dec(rng.random() < 0.5, rng.randint(0, 10 ** 9), rng.randint(0, 6))
                try:
                    a = mul(q, b)
                except Overflow:
                    continue
                emit_binary("div", a, b)

    lines.append("# cmp")
    for _ in range(300):
        a = random_dec(rng)
        kind = rng.random()
        if kind < 0.3:
            # The same value at another scale.
            s = rng.randint(0, MAX_SCALE)
            if s >= a.scale and a.man * 10 ** (s - a.scale) <= MAX96:
                b = Dec(a.neg, a.man * 10 ** (s - a.scale), s)
            else:
                b = random_dec(rng)
        elif kind < 0.5:
            b = Dec(a.neg, max(0, min(MAX96, a.man + rng.randint(-1, 1))), a.scale)
        else:
            b = random_dec(rng)
        lines.append(f"cmp {a.text()} {b.text()} {cmp(a, b)}")

    lines.append("# round (Round3, half away from zero)")
    for _ in range(300):
        a = random_dec(rng) if rng.random() < 0.5 else money(rng)
        if rng.random() < 0.3:
            # Put an exact half at a random position.
            n = rng.randint(0, 27)
            s = rng.randint(n + 1, MAX_SCALE)
            man = (rng.randint(0, 10 ** 9) * 10 + 5) * 10 ** (s - n - 1)
            if man <= MAX96:
                a = Dec(rng.random() < 0.5, man, s)
        n = rng.randint(-2, 30)
        lines.append(f"round {a.text()} {n} {round3(a, n).text()}")

    lines.append("# fix")
    for _ in range(100):
        a = random_dec(rng)
        lines.append(f"fix {a.text()} {fix(a).text()}")

    lines.append("# long")
    for _ in range(100):
        a = random_dec(rng) if rng.random() < 0.7 else Dec(rng.random() < 0.5, (1 << 63) + rng.randint(-2, 2), 0)
        try:
            r = to_long(a)
        except Overflow:
            r = "overflow"
        lines.append(f"long {a.text()} {r}")

    lines.append("# parse: long texts, rounding, limits, malformed")
    texts = ["79228162514264337593543950335", "79228162514264337593543950336", "-79228162514264337593543950335",
             "79228162514264337593543950335.4999", "79228162514264337593543950335.5",
             "7922816251426433759354395033.55", "0.00000000000000000000000000005",
             "0.000000000000000000000000000050000000001", "0.00000000000000000000000000015",
             "1.0000000000000000000000000000000000", "+.5", "5.", "-.0", "1..2", "1.2.3", "--1", "+-1",
             "1e5", "0x10", "12a", "a12", "-", "+", ".", "1,5", "000000000000000000000000000000000001.5"]
    for t in texts:
        lines.append(f"parse {t} {parse_expected(t)}")
    for _ in range(250):
        int_digits = rng.randint(0, 31)
        frac_digits = rng.randint(0, 40)
        int_part = "".join(rng.choice("0123456789") for _ in range(int_digits))
        frac = "".join(rng.choice("0123456789") for _ in range(frac_digits))
        if rng.random() < 0.3 and frac:
            frac = frac[:-1] + "5"  # a 5 at the end: ties after rounding
        t = int_part + ("." + frac if frac or rng.random() < 0.2 else "")
        if not t.strip("."):
            t = "0"
        if rng.random() < 0.3:
            t = "-" + t
        lines.append(f"parse {t} {parse_expected(t)}")

    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "..", "tests", "orveldblib", "data", "decimal_vectors.txt")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "w", encoding="ascii") as f:
        f.write("# Decimal reference results, generated by tools/gen_decimal_vectors.py; do not edit.\n")
        f.write("# Format: see the generator's description.\n")
        for line in lines:
            f.write(line + "\n")
    print(f"wrote {len(lines)} lines to {os.path.normpath(out)}")


if __name__ == "__main__":
    main()
