#!/usr/bin/env python3
"""Writes, with openpyxl, a centre's workbook as a spreadsheet user makes it: a first sheet
"Istruzioni", then the active sheet "Dati" whose 13 serials (R2:R14) are formulas, with a
boolean, a time of day and a name of blanks among the cells. openpyxl writes no formula
results: LibreOffice computes them when it converts the workbook.
Usage: libro_centro.py OUTPUT.xlsx"""
import datetime
import sys

import openpyxl

libro = openpyxl.Workbook()
istruzioni = libro.active
istruzioni.title = "Istruzioni"
istruzioni["A1"] = "Compilare il foglio Dati"
istruzioni["R2"] = "ISTRUZIONI"
dati = libro.create_sheet("Dati")
dati["B1"] = "Cognome"
dati["R1"] = "Matricola"
for riga in range(2, 15):
    dati[f"R{riga}"] = '="SN-"&ROW()'
    dati[f"B{riga}"] = "Rossi"
dati["B3"] = "   "
dati["C2"] = True
dati["D2"] = datetime.time(12, 30)
dati["D2"].number_format = "hh:mm:ss"
libro.active = 1
libro.save(sys.argv[1])
