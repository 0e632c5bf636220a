#!/usr/bin/python3
"""Converts NOAA's World Magnetic Model coefficients (WMM.COF, kept here as
WMM2025.COF) into the two files GeographicLib's MagneticModel reads:
wmm2025.wmm, its metadata as text, and wmm2025.wmm.cof, the coefficients as
little-endian binary. Not part of Morvel's build; run once, and again only
for a new model. Needs nothing but Python 3.

WMM.COF: a header line (epoch, model name, release date), then one line a
degree n and order m, 1 <= n <= 12, 0 <= m <= n: the Schmidt
semi-normalised Gauss coefficients g and h at the epoch (nT) and their
rates of change (nT a year), ended by lines of nines.

wmm2025.wmm.cof: the 8-character ID, then two sets of coefficients, the
field at the epoch and its rate a year (GeographicLib's NumModels 1: the
model is linear in time). A set is the maximum degree N and order M as
4-byte integers, then the cosine coefficients C(n, m) (= g) for m = 0..M
and, within each m, n = m..N, then the sine coefficients S(n, m) (= h) in
the same order for m = 1..M, as 8-byte IEEE doubles. C(0, 0) is 0: a
magnetic potential has no degree-0 term. GeographicLib's potential is
a sum (a/r)^(n+1) (C cos m lon + S sin m lon) P(n, m) and its field minus
the gradient, which is WMM's with C = g and S = h.

The committed files were made, in compass/data/magnetic/, by:
  python3 make_wmm.py WMM2025.COF wmm2025
"""
import struct
import sys


def read_cof(path):
    with open(path) as f:
        lines = f.read().splitlines()
    epoch, name, released = lines[0].split()
    g, h, gdot, hdot = {}, {}, {}, {}
    for line in lines[1:]:
        fields = line.split()
        if not fields or fields[0].startswith("9999"):
            break
        n, m = int(fields[0]), int(fields[1])
        g[n, m], h[n, m], gdot[n, m], hdot[n, m] = (float(x) for x in fields[2:6])
    degree = max(n for n, _ in g)
    for n in range(1, degree + 1):
        for m in range(n + 1):
            if (n, m) not in g:
                sys.exit("%s: no coefficients for n=%d m=%d" % (path, n, m))
    return float(epoch), name, released, degree, (g, h), (gdot, hdot)


def packed(degree, cosines, sines):
    out = struct.pack("<ii", degree, degree)
    c = [cosines.get((n, m), 0.0) for m in range(degree + 1) for n in range(m, degree + 1)]
    s = [sines.get((n, m), 0.0) for m in range(1, degree + 1) for n in range(m, degree + 1)]
    return out + struct.pack("<%dd" % len(c), *c) + struct.pack("<%dd" % len(s), *s)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_wmm.py WMM.COF NAME (writes NAME.wmm and NAME.wmm.cof)")
    cof, name = sys.argv[1], sys.argv[2]
    epoch, model, released, degree, field, rate = read_cof(cof)
    month, day, year = released.split("/")
    ident = (model.replace("-", "") + "A")[:8]
    if len(ident) != 8:
        sys.exit("the model name %r does not make an 8-character ID" % model)
    first = int(epoch)
    with open(name + ".wmm", "w") as f:
        f.write("WMMF-1\n")
        f.write("# %s, converted by make_wmm.py from NOAA's %s\n" % (model, cof))
        f.write("Name            %s\n" % name)
        f.write("Description     World Magnetic Model %d\n" % first)
        f.write("URL             https://www.ncei.noaa.gov/products/world-magnetic-model\n")
        f.write("Publisher       NOAA National Centers for Environmental Information and the British Geological Survey\n")
        f.write("ReleaseDate     %s-%s-%s\n" % (year, month, day))
        f.write("Radius          6371200\n")
        f.write("NumModels       1\n")
        f.write("Epoch           %g\n" % epoch)
        f.write("DeltaEpoch      5\n")
        f.write("MinTime         %g\n" % epoch)
        f.write("MaxTime         %g\n" % (epoch + 5))
        f.write("MinHeight       -1000\n")
        f.write("MaxHeight       850000\n")
        f.write("Normalization   Schmidt\n")
        f.write("ByteOrder       Little\n")
        f.write("# The coefficients: this file's name with .cof after it.\n")
        f.write("ID              %s\n" % ident)
    with open(name + ".wmm.cof", "wb") as f:
        f.write(ident.encode("ascii"))
        f.write(packed(degree, field[0], field[1]))
        f.write(packed(degree, rate[0], rate[1]))


if __name__ == "__main__":
    main()
