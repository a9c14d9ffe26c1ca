#!/usr/bin/env python3
"""Writes with openpyxl (write-only, so every text an inline string) a centre's workbook of
ROWS rows of 43 columns below a row of headings.
Usage: libro_openpyxl.py OUTPUT.xlsx ROWS"""
import sys

import openpyxl
from openpyxl.utils import get_column_letter

libro = openpyxl.Workbook(write_only=True)
foglio = libro.create_sheet("Dati")
foglio.append([f"Colonna {c}" for c in range(1, 44)])
for r in range(2, int(sys.argv[2]) + 2):
    foglio.append([f"MATR{r}" if c == 18 else "01/03/2005" if c == 34 else f"VALORE {r} {get_column_letter(c)}"
                   for c in range(1, 44)])
libro.save(sys.argv[1])
