#!/usr/bin/env python3
"""Makes a fleet of sites for the benchmark: copies of the sample site, one a folder, with the
unit kinds a bank runs side by side and a fault here and there.
  make-fleet.py SAMPLE_FOLDER FLEET_FOLDER COUNT"""
import os
import re
import shutil
import sys

sample, fleet, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
# [Global] keys of each kind, in turn.
KINDS = [{}, {"Video Channels": "32"}, {"Image Card": "Osprey 100", "QUELT Version": "QUELT V10.02", "Wendrel": "0"},
         {"Image Card": "Osprey 100", "QUELT Version": "QUELT V11.00", "Wendrel": "4"}, {"Halden": "1", "Image Card": "Osprey 100"},
         {"QUELT Version": "QUELT V12.00"}]
with open(os.path.join(sample, "ORVANT.INI"), encoding="latin-1", newline="") as f:
    ini = f.read()
shutil.rmtree(fleet, ignore_errors=True)
for n in range(count):
    # Lower-case folder names: Wine looks up every folder with capitals anew at each INI access.
    folder = os.path.join(fleet, "region-%02d" % (n % 20), "branch-%04d" % n)
    os.makedirs(folder)
    for name in ("SiteDef.DAT", "TRANDATA.INI", "BRANCH.PCX"):
        shutil.copy(os.path.join(sample, name), folder)
    text = ini
    for key, value in KINDS[n % len(KINDS)].items():
        text = re.sub(r"(?m)^%s=.*$" % re.escape(key), lambda _: "%s=%s" % (key, value), text)
    text = text.replace("Bank Name=Maple Street Branch", "Bank Name=Branch %d" % n)
    if n % 50 == 7:  # a fault the site check finds
        text = re.sub(r"(?m)^Status Log Size=.*$", "Status Log Size=0", text)
    with open(os.path.join(folder, "ORVANT.INI"), "w", encoding="latin-1", newline="") as f:
        f.write(text)
