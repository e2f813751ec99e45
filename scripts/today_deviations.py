# Vardeln — MIT licence, see LICENSE.
"""Each unit's deviation from today's definition, (legacy - today) / today, in exact rational
arithmetic: the legacy side is the unit's to-base rule of 1 as the engine writes it, with its
constants as written; today's side is the table's decimal text. Every power in the rules has a
whole exponent, so all stays rational; the one square root (Link's sqrt(62.75)) is taken as
the double the rule computes with, read exactly, as the researched data does.

  today_deviations.py --check RULES_PROGRAM   the test: the table's columns are these values
  today_deviations.py --write RULES_PROGRAM   writes them into the table
RULES_PROGRAM is tests/engine/today_rules, which prints the rules."""
import ast
import math
import subprocess
import sys
from decimal import Decimal, localcontext
from fractions import Fraction
from pathlib import Path

TABLE = Path(__file__).resolve().parent.parent / "engine" / "tables" / "today.tsv"
NONE = "—"
NOTABLE = Fraction(1, 1000)  # off by 0.1 % or more


def evaluate(text, constants):
    """A rule's arithmetic (numbers, names, + - * / ^ and sqrt) as an exact fraction."""
    source = text.replace("^", "**")

    def value(node):
        if isinstance(node, ast.Expression):
            return value(node.body)
        if isinstance(node, ast.Constant):
            return Fraction(ast.get_source_segment(source, node))
        if isinstance(node, ast.Name):
            return constants[node.id]
        if isinstance(node, ast.UnaryOp) and isinstance(node.op, ast.USub):
            return -value(node.operand)
        if isinstance(node, ast.Call) and node.func.id == "sqrt":
            return Fraction(math.sqrt(value(node.args[0])))
        if isinstance(node, ast.BinOp):
            left, right = value(node.left), value(node.right)
            if isinstance(node.op, ast.Pow):
                assert right.denominator == 1, text
                return left ** int(right)
            return {ast.Add: left.__add__, ast.Sub: left.__sub__, ast.Mult: left.__mul__,
                    ast.Div: left.__truediv__}[type(node.op)](right)
        raise ValueError(f"cannot read {text!r}")

    return value(ast.parse(source, mode="eval"))


def decimal_of(fraction):
    with localcontext() as context:
        context.prec = 60
        return Decimal(fraction.numerator) / Decimal(fraction.denominator)


def significant(fraction, digits, form="g"):
    """A fraction rounded to `digits` significant digits as a person writes it: "1247",
    "9.766e6", "3.2e-8", without zeros after the last digit that counts."""
    text = f"{decimal_of(fraction):.{digits - 1 if form == 'e' else digits}{form}}"
    mantissa, _, exponent = text.partition("e")
    if "." in mantissa:
        mantissa = mantissa.rstrip("0").rstrip(".")
    return f"{mantissa}e{int(exponent)}" if exponent else mantissa


def columns(legacy, today):
    """The deviation as three significant digits, and the comparison in words."""
    if today is None:
        return NONE, NONE
    deviation = (legacy - today) / today
    if deviation == 0:
        return "0", "the same as"
    mantissa, exponent = f"{decimal_of(deviation):.2e}".split("e")
    shipped = f"{mantissa}e{int(exponent):+03d}"
    # The program sorts by the shipped text; rounding must not carry a unit across 0.1 %.
    assert (abs(Fraction(shipped)) >= NOTABLE) == (abs(deviation) >= NOTABLE), shipped
    ratio = legacy / today
    if ratio >= 2:
        words = f"{significant(ratio, 4)} times"
    elif ratio <= Fraction(1, 2):
        words = f"1/{significant(1 / ratio, 4)} of"
    else:
        size = abs(deviation)
        side = "larger than" if deviation > 0 else "smaller than"
        words = (f"{significant(size * 100, 3)} % {side}" if size >= NOTABLE
                 else f"{significant(size, 2, 'e')} {side}")
    return shipped, words


def legacy_values(program):
    values = {}
    output = subprocess.run([program], check=True, capture_output=True, text=True).stdout
    for line in output.splitlines():
        category, label, rule, *named = line.split("\t")
        constants = {}
        for definition in named:  # each after those it is defined by
            name, text = definition.split("=", 1)
            constants[name] = evaluate(text.split(" = ")[0], constants)
        values[(category, label)] = evaluate(rule, constants)
    return values


def main():
    mode, program = sys.argv[1], sys.argv[2]
    legacy = legacy_values(program)
    lines = TABLE.read_text(encoding="utf-8").splitlines()
    header = next(i for i, line in enumerate(lines) if not line.startswith("#"))
    names = lines[header].split("\t")
    faults, seen, written = [], set(), lines[: header + 1]
    for line in lines[header + 1:]:
        row = dict(zip(names, line.split("\t")))
        key = (row["category"], row["label"])
        seen.add(key)
        if key not in legacy:
            faults.append(f"{key}: no such unit")
            continue
        today = None if row["today"] == NONE else Fraction(row["today"].split("/")[0]) / Fraction(
            row["today"].split("/")[1] if "/" in row["today"] else 1)
        expected = columns(legacy[key], today)
        if (row["deviation"], row["comparison"]) != expected:
            faults.append(f"{key}: table says {row['deviation']!r} {row['comparison']!r}, "
                          f"the rule gives {expected[0]!r} {expected[1]!r}")
        # A measured value has an uncertainty; a defined one has none, but for the rounding of
        # a decimal no fraction writes (the parsec's 648000/pi au, "rounded to 50 digits").
        defined = row["uncertainty"] == "exact" or "rounded to" in row["uncertainty"]
        if today is not None and (row["kind"] == "measured constant") == defined:
            faults.append(f"{key}: kind {row['kind']!r} with uncertainty {row['uncertainty']!r}")
        row["deviation"], row["comparison"] = expected
        written.append("\t".join(row[name] for name in names))
    faults += [f"{key}: no row" for key in legacy.keys() - seen]
    if mode == "--write":
        TABLE.write_text("\n".join(written) + "\n", encoding="utf-8")
    elif faults:
        print("\n".join(faults))
        sys.exit(1)


if __name__ == "__main__":
    main()
