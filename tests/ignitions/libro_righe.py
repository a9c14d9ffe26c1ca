#!/usr/bin/env python3
"""Writes, with openpyxl, a one-sheet workbook of first ignitions: "Matricola" in R1, then one
row per JSON object from row FIRST on ({"R": "M1", "AH": 38442, ...}). A number becomes a
number cell, {"data": "2005-03-31"} a date cell, anything else text.
Usage: libro_righe.py OUTPUT.xlsx FIRST JSON"""
import datetime
import json
import sys

import openpyxl

libro = openpyxl.Workbook()
foglio = libro.active
foglio.title = "Dati"
foglio["R1"] = "Matricola"
for numero, riga in enumerate(json.loads(sys.argv[3]), start=int(sys.argv[2])):
    for colonna, valore in riga.items():
        if isinstance(valore, dict):
            valore = datetime.date.fromisoformat(valore["data"])
        foglio[f"{colonna}{numero}"] = valore
libro.save(sys.argv[1])
