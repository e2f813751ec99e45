# Vardeln — MIT licence, see LICENSE.
"""The oracle of conversions by today's definitions: for every pair of units of a category
that both have a definition today, the exact conversion of each typed decimal, in Python's
fractions, rounded once to the nearest double; and a digest of the same at pseudo-random
decimals. today_oracle.py writes today_exact.oracle beside it; --check says whether the file
is what the tables give now."""
import random
import struct
import sys
from fractions import Fraction
from pathlib import Path

HERE = Path(__file__).resolve().parent
TABLES = HERE.parents[2] / "engine" / "tables"
ORACLE = HERE / "today_exact.oracle"
INPUTS = ["1", "0.1", "98.6", "-40", "500", "1e-5", "123456.789", "2.5e10", "1e-320",
          "1.7976931348623157e308"]


def sweep_inputs():
    """Pseudo-random decimals of every length and exponent, then eight of each shape a batch
    meets: whole numbers, three decimal places, shortest round-trip doubles and exponents of
    200 to 250 either way."""
    draw = random.Random(36)
    texts = []
    for _ in range(32):
        digits = str(draw.randrange(1, 10 ** draw.randint(1, 17)))
        point = draw.randint(0, len(digits))
        texts.append(draw.choice(["", "-"]) + digits[:point] + "." + digits[point:] +
                     "e" + str(draw.randint(-30, 30)))
    for _ in range(8):
        texts.append(str(draw.randint(-10 ** 6, 10 ** 6)))
        texts.append(f"{draw.uniform(-1000, 1000):.3f}")
        texts.append(repr(draw.uniform(-1000, 1000) * 10.0 ** draw.randint(-6, 9)))
        texts.append(f"{draw.uniform(1, 10):.3f}e{draw.choice(['', '-'])}{draw.randint(200, 250)}")
    return texts


def exact(text):
    numerator, _, denominator = text.partition("/")
    return Fraction(numerator) / Fraction(denominator or 1)


def rows(name):
    lines = (TABLES / name).read_text(encoding="utf-8").splitlines()
    header, *body = [line.split("\t") for line in lines if not line.startswith("#")]
    return [dict(zip(header, row)) for row in body]


def definitions():
    """Per category, each unit with a definition today: (label, factor, offset) in list order."""
    scales = {row["label"]: (exact(row["factor"]), exact(row["offset"]))
              for row in rows("today_temperature.tsv")}
    units = {}
    for row in rows("today.tsv"):
        if row["today"] != "—":
            scale = scales.get(row["label"]) if row["category"] == "temperature" else None
            units.setdefault(row["category"], []).append(
                (row["label"], *(scale or (exact(row["today"]), Fraction(0)))))
    return units


def nearest_bits(value):
    try:
        double = value.numerator / value.denominator  # Python rounds this once, exactly
    except OverflowError:
        double = float("inf") if value > 0 else float("-inf")
    return struct.unpack("<Q", struct.pack("<d", double))[0]


def digest(bits):
    """FNV-1a over each double's eight bytes, lowest first."""
    hash_ = 0xcbf29ce484222325
    for value in bits:
        for byte in value.to_bytes(8, "little"):
            hash_ = ((hash_ ^ byte) * 0x100000001b3) % 2 ** 64
    return hash_


def oracle():
    sweep = sweep_inputs()
    typed = [Fraction(text) for text in INPUTS]
    swept = [Fraction(text) for text in sweep]
    lines = [
        "# Vardeln — MIT licence, see LICENSE.",
        "# Conversions by today's definitions, exact and rounded once. Written by today_oracle.py;",
        "# never edit by hand. Columns (tab-separated): category, from unit, to unit, the double",
        "# nearest the exact conversion of each input of the inputs line as its 64-bit pattern,",
        "# then an FNV-1a digest of the doubles of the sweep line's inputs.",
        "inputs\t" + "\t".join(INPUTS),
        "sweep\t" + "\t".join(sweep)]
    for category, units in definitions().items():
        for source, in_factor, in_offset in units:
            for target, out_factor, out_offset in units:
                def convert(x):
                    return nearest_bits((in_factor * x + in_offset - out_offset) / out_factor)
                lines.append("\t".join([category, source, target,
                                        *(f"{convert(x):016x}" for x in typed),
                                        f"{digest(convert(x) for x in swept):016x}"]))
    return "\n".join(lines) + "\n"


def main():
    text = oracle()
    if sys.argv[1:] == ["--check"]:
        if ORACLE.read_text(encoding="utf-8") != text:
            sys.exit(f"{ORACLE} is not what the tables give now: run {sys.argv[0]}")
        print(f"{text.count(chr(10)) - 7} pairs as the tables give them")
    else:
        ORACLE.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
