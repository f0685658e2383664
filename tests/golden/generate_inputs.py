#!/usr/bin/env python3
"""Writes the input files of the golden suite, once: for each case its worked
examples, readings on chart nodes, each bound of each studied range on both
sides, refusals of every kind, and seeded random rows in and around the
studied ranges. The expected outputs are then made by `scripts/golden
--update` and reviewed by hand against the worked examples.

Cases A, C and E are written as a Spanish spreadsheet writes them (`;`,
decimal comma); B and D with `,` and a decimal point."""

import random
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
RANDOM_ROWS = 230


def fmt(v, digits=7):
    s = f"{v:.{digits}g}"
    if "e" in s:
        s = repr(float(s))
        if s.endswith(".0"):
            s = s[:-2]
    return s


class Table:
    def __init__(self, name, delimiter, columns):
        self.name, self.delimiter, self.columns, self.rows = name, delimiter, columns, []

    def add(self, nota="", **cells):
        # Random values with 4 significant figures, as a person would type them.
        digits = 4 if nota.startswith("aleatoria") else 7
        row = []
        for c in self.columns:
            v = cells.get(c, "")
            if c == "nota":
                v = nota
            if isinstance(v, float) or isinstance(v, int):
                v = fmt(v, digits)
                if self.delimiter == ";":
                    v = v.replace(".", ",")
            row.append(v)
        self.rows.append(row)

    def write(self):
        lines = [self.delimiter.join(self.columns)]
        for row in self.rows:
            out = []
            for v in row:
                if any(ch in v for ch in (self.delimiter, '"', "\n")):
                    v = '"' + v.replace('"', '""') + '"'
                out.append(v)
            lines.append(self.delimiter.join(out))
        (HERE / self.name).write_text("\n".join(lines) + "\n", encoding="utf-8")
        print(f"{self.name}: {len(self.rows)} filas")


def bounds(t, base, edges):
    """Each bound on both sides: (note, column, passing value, failing value)."""
    for note, column, good, bad in edges:
        t.add(f"límite {note}, dentro", **{**base, column: good})
        t.add(f"límite {note}, fuera", **{**base, column: bad})


def refusals(t, base, number_column, needed):
    """Refusals of the row itself rather than of the engine."""
    t.add("no es un número", **{**base, number_column: "abc"})
    t.add("separador de miles", **{**base, number_column: "1.000,5" if t.delimiter == ";" else "1,000.5"})
    t.add("dos separadores", **{**base, number_column: "1.2.3"})
    t.add("exponente sin cifras", **{**base, number_column: "1e"})
    t.add("unidad detrás", **{**base, number_column: "1 m"})
    t.add("signo solo", **{**base, number_column: "+"})
    t.add("exponente", **{**base, number_column: "1e1"})
    t.add("blancos alrededor", **{**base, number_column: " 10 "})
    for column in needed:
        t.add(f"falta {column}", **{**base, column: ""})
    t.add("caso desconocido", **{**base, "caso": "F"})
    t.add("caso en minúscula", **{**base, "caso": base["caso"].lower()})
    t.add("cálculo desconocido", **{**base, "calculo": "area"})
    t.add("cálculo en mayúsculas", **{**base, "calculo": base["calculo"].upper()})
    t.add("fila vacía")
    t.add("falta el caso", **{**base, "caso": ""})


def case_a(rng):
    t = Table("caso_a.csv", ";", ["caso", "calculo", "salida", "Ip", "Tp", "Tb", "D", "L", "Ck", "Qp", "S", "nota"])
    ex = dict(caso="A", calculo="superficie", salida="orificio", Ip=10, Tp=20, Tb=60, D=1, Ck=0.6, Qp=3)
    weir = {**ex, "salida": "vertedero", "D": "", "L": 2, "Ck": 1.8}
    t.add("ejemplo: orificio, superficie (5529,4 m²; H 2,07)", **ex)
    t.add("ejemplo: orificio, caudal", **{**ex, "calculo": "caudal", "Qp": "", "S": 5529.4})
    t.add("ejemplo: vertedero, superficie (38855,34 m²; H ,89)", **weir)
    t.add("ejemplo: vertedero, caudal", **{**weir, "calculo": "caudal", "Qp": "", "S": 38855.34})
    t.add("sin cálculo", **{**ex, "calculo": "", "Qp": ""})
    t.add("sin salida; con \"comillas\"; y punto y coma", **{**ex, "salida": ""})
    t.add("caudal sin salida", **{**ex, "salida": "", "calculo": "caudal", "Qp": "", "S": 5529.4})
    t.add("punto decimal en un fichero con coma", **{**ex, "Ck": "0.6"})
    for tb in (150, 100, 75, 60, 50):  # r = 2·Tp/Tb on each curve, Tp = 30
        for q in (0.1, 0.3, 0.5, 0.85):
            t.add(f"nodo r={60 / tb:g} Qp/Ip={q:g}", **{**ex, "Tp": 30, "Tb": tb, "Qp": 10 * q})
            t.add(f"nodo r={60 / tb:g} Qp/Ip={q:g}, vertedero", **{**weir, "Tp": 30, "Tb": tb, "Qp": 10 * q})
    bounds(t, ex, [("Ip ≤ 130", "Ip", 130, 130.01), ("Ip > 0", "Ip", 0.01, 0), ("Tp > 0", "Tp", 0.01, 0),
                   ("Tp ≤ 10000 s", "Tp", 166.66, 166.67), ("Tb ≤ 240", "Tb", 240, 240.01),
                   ("Tb > Tp", "Tb", 20.01, 20), ("D ≤ 10", "D", 10, 10.01), ("D > 0", "D", 0.01, 0),
                   ("Ck ≤ 5", "Ck", 5, 5.01), ("Ck > 0", "Ck", 0.01, 0), ("Qp/Ip ≥ 0,1", "Qp", 1, 0.99),
                   ("Qp/Ip ≤ 0,85", "Qp", 8.5, 8.51), ("r ≥ 0,4", "Tb", 100, 100.01), ("r ≤ 1,2", "Tb", 33.34, 33.33)])
    out = {**ex, "calculo": "caudal", "Qp": ""}
    bounds(t, out, [("S ≥ 500", "S", 500, 499.99), ("S ≤ 90000", "S", 90000, 90000.01)])
    refusals(t, ex, "Ip", ["Ip", "Tp", "Tb", "D", "Ck", "Qp"])
    t.add("salida desconocida", **{**ex, "salida": "tubo"})
    t.add("vertedero sin L", **{**weir, "L": ""})
    for i in range(RANDOM_ROWS):
        calc = rng.choice(["superficie", "caudal"])
        outlet = rng.choice(["orificio", "vertedero"])
        ip = rng.uniform(0.5, 140)
        tp = rng.uniform(2, 180)
        row = dict(caso="A", calculo=calc, salida=outlet, Ip=ip, Tp=tp, Tb=tp * rng.uniform(1.6, 5.2),
                   Ck=rng.uniform(0.3, 2.5))
        row["D" if outlet == "orificio" else "L"] = rng.uniform(0.1, 4)
        row["Qp" if calc == "superficie" else "S"] = ip * rng.uniform(0.05, 0.9) if calc == "superficie" \
            else rng.uniform(300, 95000)
        t.add(f"aleatoria {i + 1}", **row)
    return t


def case_b(rng):
    t = Table("caso_b.csv", ",", ["nota", "caso", "calculo", "salida", "Ip", "Tp", "Qb", "B", "D", "N", "Qp", "S"])
    rect = dict(caso="B", calculo="superficie", salida="rectangular", Ip=10, Tp=30, Qb=1, B=2, N=2, Qp=7)
    circ = {**rect, "salida": "circular", "B": "", "D": 1}
    t.add("ejemplo: rectangular, superficie (3875. m²; H 2.15)", **rect)
    t.add("ejemplo: rectangular, caudal", **{**rect, "calculo": "caudal", "Qp": "", "S": 4000})
    t.add("ejemplo: circular, superficie (2144. m²; H 5.49)", **circ)
    t.add("ejemplo: circular, caudal", **{**circ, "calculo": "caudal", "Qp": "", "S": 2144.21})
    t.add("rectangular sin N", **{**rect, "N": ""})
    t.add("circular sin N", **{**circ, "N": ""})
    t.add("N oculto de 31", **{**rect, "N": 31})
    t.add("profundidad fuera, superficie escrita", **{**rect, "Ip": 2, "Qb": 0.2, "Qp": 1.4, "N": ""})
    t.add("sin conducto", **{**rect, "salida": ""})
    t.add("sin cálculo", **{**rect, "calculo": "", "Qp": ""})
    for qb in (0.5, 0.7, 1, 1.5, 2):  # Qb/Ip on each reduction curve
        for qp in (4.8, 6, 7, 8, 9):
            t.add(f"nodo Qb/Ip={qb / 10:g} Qp={qp:g}", **{**rect, "Qb": qb, "Qp": qp})
    bounds(t, rect, [("Ip ≤ 100", "Ip", 100, 100.01), ("Ip > 0", "Ip", 0.01, 0), ("Tp ≤ 10000 s", "Tp", 166.66, 166.67),
                     ("Tp > 0", "Tp", 0.01, 0), ("Qb ≤ Ip", "Qb", 10, 10.01), ("Qb > 0", "Qb", 0.01, 0),
                     ("B ≤ 10", "B", 10, 10.01), ("B > 0", "B", 0.01, 0),
                     ("Qb/Ip ≥ 0,05", "Qb", 0.5, 0.49), ("Qb/Ip ≤ 0,2", "Qb", 2, 2.01),
                     ("Qp ≤ Ip", "Qp", 10, 10.01), ("Qp ≥ Qb", "Qp", 1, 0.99)])
    # N counts circular conduits, whole; a rectangular conduit never reads it.
    bounds(t, circ, [("N > 0", "N", 1, 0), ("N ≤ 30", "N", 30, 31), ("N entero", "N", 2, 2.5),
                     ("D ≤ 10", "D", 10, 10.01)])
    t.add("N oculto que no es un número", **{**rect, "N": "dos"})
    out = {**rect, "calculo": "caudal", "Qp": ""}
    bounds(t, out, [("S ≥ 50", "S", 50, 49.99), ("S ≤ 1000000", "S", 1000000, 1000000.01)])
    refusals(t, rect, "Qb", ["Ip", "Tp", "Qb", "B", "Qp"])
    t.add("salida desconocida", **{**rect, "salida": "oval"})
    for i in range(RANDOM_ROWS):
        calc = rng.choice(["superficie", "caudal"])
        conduit = rng.choice(["rectangular", "circular"])
        ip = rng.uniform(0.5, 100)
        row = dict(caso="B", calculo=calc, salida=conduit, Ip=ip, Tp=rng.uniform(5, 150), Qb=ip * rng.uniform(0.04, 0.22),
                   N=int(rng.uniform(1, 12)))
        row["B" if conduit == "rectangular" else "D"] = rng.uniform(0.3, 4)
        if calc == "superficie":
            row["Qp"] = ip * rng.uniform(0.4, 1)
        else:
            row["S"] = rng.uniform(100, 60000)
        t.add(f"aleatoria {i + 1}", **row)
    return t


def case_c(rng):
    t = Table("caso_c.csv", ";", ["caso", "calculo", "Ip", "Tp", "B", "ho", "Qp", "S", "nota"])
    ex = dict(caso="C", calculo="superficie", Ip=20, Tp=60, B=3, ho=0.6, Qp=5)
    t.add("ejemplo: superficie (13385, m²; H 2,27)", **ex)
    t.add("ejemplo: caudal (7,09 m³/s; H 1,85)", caso="C", calculo="caudal", Ip=30, Tp=45, B=4, ho=0.75, S=20000)
    t.add("sin cálculo: solo la altura (10,45)", **{**ex, "calculo": "", "Qp": ""})
    for ip in (9, 11, 13, 20, 25, 35, 50):
        for ho in (0.4, 0.5, 0.6, 0.7, 0.8):
            t.add(f"nodo Ip={ip:g} ho={ho:g}", **{**ex, "Ip": ip, "ho": ho, "Qp": ip * 0.25, "B": 2 + (ip % 4)})
    bounds(t, ex, [("Ip ≥ 9", "Ip", 9, 8.99), ("Ip ≤ 50", "Ip", 50, 50.01), ("Tp > 0", "Tp", 0.01, 0),
                   ("Tp ≤ 10000 s", "Tp", 166.66, 166.67), ("B ≥ 2", "B", 2, 1.99), ("B ≤ 5", "B", 5, 5.01),
                   ("ho ≥ 0,4", "ho", 0.4, 0.39), ("ho ≤ 0,8", "ho", 0.8, 0.81), ("Qp/Ip ≥ 0,12", "Qp", 2.4, 2.39),
                   ("Qp/Ip ≤ 0,38", "Qp", 7.6, 7.61)])
    out = {**ex, "calculo": "caudal", "Qp": ""}
    bounds(t, out, [("S ≥ 50", "S", 50, 49.99), ("S ≤ 100000", "S", 100000, 100000.01)])
    refusals(t, ex, "ho", ["Ip", "Tp", "B", "ho", "Qp"])
    for i in range(RANDOM_ROWS):
        calc = rng.choice(["superficie", "caudal", ""])
        ip = rng.uniform(8, 52)
        row = dict(caso="C", calculo=calc, Ip=ip, Tp=rng.uniform(5, 150), B=rng.uniform(1.9, 5.1), ho=rng.uniform(0.35, 0.85))
        if calc == "superficie":
            row["Qp"] = ip * rng.uniform(0.1, 0.4)
        elif calc == "caudal":
            row["S"] = rng.uniform(40, 100000)
        t.add(f"aleatoria {i + 1}", **row)
    return t


def case_d(rng):
    t = Table("caso_d.csv", ",", ["caso", "calculo", "Ip", "Tp", "Qp", "V", "nota"])
    ex = dict(caso="D", calculo="volumen", Ip=25, Tp=60, Qp=15)
    t.add("ejemplo: volumen (38936. m³)", **ex)
    t.add("ejemplo: caudal (15.29 m³/s)", **{**ex, "calculo": "caudal", "Qp": "", "V": 36000})
    t.add("sin cálculo", **{**ex, "calculo": "", "Qp": ""})
    t.add("superficie no es un cálculo del caso D", **{**ex, "calculo": "superficie"})
    for ip in (20, 35, 50):
        for r in (8, 20, 30, 40, 50, 60):
            t.add(f"nodo Ip={ip:g} R={r:g} %", **{**ex, "Ip": ip, "Qp": ip * (1 - r / 100)})
    bounds(t, ex, [("Ip ≥ 20", "Ip", 20, 19.99), ("Ip ≤ 50", "Ip", 50, 50.01), ("Tp > 0", "Tp", 0.01, 0),
                   ("R ≥ 8", "Qp", 23, 23.01), ("R ≤ 60", "Qp", 10, 9.99)])
    out = {**ex, "calculo": "caudal", "Qp": ""}
    bounds(t, out, [("Vol/Tp ≤ 40", "V", 144000, 144000.1)])
    refusals(t, ex, "Tp", ["Ip", "Tp", "Qp"])
    for i in range(RANDOM_ROWS):
        calc = rng.choice(["volumen", "caudal"])
        ip = rng.uniform(15, 55)
        row = dict(caso="D", calculo=calc, Ip=ip, Tp=rng.uniform(5, 200))
        if calc == "volumen":
            row["Qp"] = ip * rng.uniform(0.3, 0.95)
        else:
            row["V"] = rng.uniform(100, 200000)
        t.add(f"aleatoria {i + 1}", **row)
    return t


def case_e(rng):
    t = Table("caso_e.csv", ";", ["caso", "calculo", "Ip", "Tp", "B", "ho", "L", "Qp", "S", "nota"])
    ex = dict(caso="E", calculo="superficie", Ip=30, Tp=60, B=3, ho=1, L=1, Qp=10)
    t.add("ejemplo: superficie (4032 m²; H 4,03)", **ex)
    t.add("ejemplo: caudal (10,66 m³/s; H 4,03)", **{**ex, "calculo": "caudal", "Qp": "", "S": 4000})
    t.add("profundidad fuera, superficie escrita (358)", caso="E", calculo="superficie", Ip=20, Tp=30, B=2, ho=0.1,
          L=0.2, Qp=5)
    t.add("sin cálculo", **{**ex, "calculo": "", "Qp": ""})
    for ip in (20, 35, 50):
        for b in (2, 4, 5):
            for q in (0.2, 0.5):
                t.add(f"nodo Ip={ip:g} B={b:g} Qp/Ip={q:g}", **{**ex, "Ip": ip, "B": b, "Qp": ip * q})
    bounds(t, ex, [("Ip ≥ 20", "Ip", 20, 19.99), ("Ip ≤ 50", "Ip", 50, 50.01), ("Tp > 0", "Tp", 0.01, 0),
                   ("B ≥ 2", "B", 2, 1.99), ("B ≤ 5", "B", 5, 5.01), ("ho ≥ 0,1", "ho", 0.1, 0.09),
                   ("ho ≤ 5", "ho", 5, 5.01), ("L ≥ 0,2", "L", 0.2, 0.19), ("Qp/Ip ≥ 0,15", "Qp", 4.5, 4.49),
                   ("Qp/Ip ≤ 0,75", "Qp", 22.5, 22.51)])
    out = {**ex, "calculo": "caudal", "Qp": ""}
    bounds(t, out, [("S > 0", "S", 0.01, 0)])
    refusals(t, ex, "L", ["Ip", "Tp", "B", "ho", "L", "Qp"])
    for i in range(RANDOM_ROWS):
        calc = rng.choice(["superficie", "caudal"])
        ip = rng.uniform(18, 52)
        row = dict(caso="E", calculo=calc, Ip=ip, Tp=rng.uniform(5, 150), B=rng.uniform(1.9, 5.1), ho=rng.uniform(0.1, 5),
                   L=rng.uniform(0.15, 5))
        if calc == "superficie":
            row["Qp"] = ip * rng.uniform(0.1, 0.8)
        else:
            row["S"] = rng.uniform(100, 60000)
        t.add(f"aleatoria {i + 1}", **row)
    return t


def main():
    for make in (case_a, case_b, case_c, case_d, case_e):
        make(random.Random(20240611)).write()
    return 0


if __name__ == "__main__":
    sys.exit(main())
