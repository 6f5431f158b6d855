#!/usr/bin/env python3
"""Writes a register of varied assets for pellory-calc --batch to standard output.

Every method, lives and classes of both class lists (automobiles and labels with commas
among them), business use, the special allowance, conventions, sales, exchanges and
descriptions with commas and quotes; about one row in fifty is one the window refuses.
Usage: bench/make-register.py ROWS [SEED]
"""
import csv
import random
import re
import sys

METHODS = ["ADS", "Amortize", "MACRS", "Straight Line"]
LIVES = {"MACRS": ["3", "5", "7", "10", "15", "20", "27.5", "31.5", "39"],
         "ADS": ["5", "6", "9", "10", "12", "18", "20", "40"]}
CLASSES = {
    "MACRS": ["Airplanes(non-passenger)(5)", "Automobiles (5)", "Automobiles, Clean Fuel (5)",
              "Buildings pre 5/13/93 (31.5)", "Buildings post 5/12/93 (39)", "Buses (5)",
              "Computers & Peripheral(5)", "Desks (7)", "Land Improvements (15)",
              "Mobile Homes (27.5)", "Trailers (3)", "Trucks (5)", "Vessels, Barges, Tugs (10)"],
    "ADS": ["Airplanes(Non commerical)(6)", "Automobiles (5)", "Buses (9)", "Desks (10)",
            "Land Improvements (20)", "Personel Property, no life (12)",
            "Real Property, no life (40)", "Trucks, light (5)", "Trucks > 13,000lbs (6)",
            "Vessels, Barges, Tugs (18)"],
}
LISTED = {"Airplanes(non-passenger)(5)", "Trucks, light (5)", "Trucks (5)",
          "Computers & Peripheral(5)", "Automobiles, Clean Fuel (5)", "Automobiles (5)"}
COLUMNS = ["id", "description", "asset_type", "cost", "method", "in_service", "life", "class",
           "business", "bonus", "convention", "sold", "sales_price", "adj_tax_basis"]


def month_year(rng, year):
    return "%02d/%04d" % (rng.randint(1, 12), year)


def asset(rng, n):
    row = dict.fromkeys(COLUMNS, "")
    row["id"] = "A-%06d" % n
    method = rng.choice(METHODS)
    placed = rng.randint(1990, 2030)
    row["method"] = method
    row["in_service"] = month_year(rng, placed)
    listed = False
    if method in CLASSES and rng.random() < 0.4:
        row["class"] = rng.choice(CLASSES[method])
        listed = row["class"] in LISTED
    elif method in LIVES:
        row["life"] = rng.choice(LIVES[method])
    else:
        row["life"] = str(rng.randint(1, 43)) + rng.choice(["", ".25", ".5", ".75"])
    if (listed or row["life"] == "5") and rng.random() < 0.7:
        row["business"] = str(rng.randint(1, 100))
    years = float(re.search(r"([0-9.]+)\)$", row["class"]).group(1)) if row["class"] else (
        float(row["life"]))
    if method in LIVES and years < 21 and (row["class"] or method == "MACRS") and (
            rng.random() < 0.4):
        row["bonus"] = rng.choice(["1", "yes", "TRUE", "x"])
    if method in LIVES and years < 27 and rng.random() < 0.4:
        row["convention"] = rng.choice(["half-year", "mid-quarter"])
    cost = rng.randint(1, 9) * 10 ** rng.randint(2, 6) + rng.randint(0, 99)
    row["cost"] = "%d.%02d" % divmod(cost, 100)
    kind = rng.random()
    if kind < 0.2:
        row["asset_type"] = "relinquished"
        if rng.random() < 0.6:
            row["sold"] = month_year(rng, placed + rng.randint(0, 45))
    elif kind < 0.4:
        row["asset_type"] = "replacement"
        row["sales_price"] = str(rng.randint(0, cost // 80))
        row["adj_tax_basis"] = str(rng.randint(0, cost // 50))
    elif kind < 0.5:
        row["asset_type"] = "regular"
    if rng.random() < 0.2:
        row["description"] = rng.choice(['Office, 2nd floor', 'Desk "oak"', "Press\nline 2"])
    refusal = rng.random()
    if refusal < 0.007:
        row["bonus"] = "maybe"
    elif refusal < 0.014:
        row["method"] = "Depreciate"
    elif refusal < 0.02:
        row["sold"] = "05/2004"
        row["asset_type"] = "regular"
    return row


def main():
    rows = int(sys.argv[1])
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 1031)
    out = csv.DictWriter(sys.stdout, fieldnames=COLUMNS, lineterminator="\r\n")
    out.writeheader()
    for n in range(1, rows + 1):
        out.writerow(asset(rng, n))


if __name__ == "__main__":
    main()
