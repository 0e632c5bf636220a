#include "engine/cases.h"

#include "engine/solvers.h"
#include "engine/state.h"

namespace morvel::engine {

bool solvecase(int16_t code, Givens& g)
{
    switch (code) {
    case 28: solveltd(g.lat, g.t, g.dec, g.alt, g.Z, g.lha, g.zn); return true;
    case 19: solvelhz(g.lat, g.t, g.dec, g.alt, g.Z, g.lha, g.zn); return true;
    case 22: solveldh(g.lat, g.dec, g.alt, lha1, lha2, az1, az2); return true;
    case 25: solveltz(g.lat, g.t, g.dec, g.alt, g.Z, g.lha, g.zn); return true;
    case 26: solvelth(g.lat, g.t, dec1, dec2, g.alt, az1, az2, g.lha); return true;
    case 21: solveldz(g.lat, lha1, lha2, g.dec, alt1, alt2, g.Z, g.zn, nout); return true;
    case 14: solvetdh(lat1, lat2, g.t, g.dec, g.alt, az1, az2, g.lha, nout); return true;
    case 7: solvedhz(lat1, lat2, lha1, lha2, g.dec, g.alt, g.Z, g.zn, nout); return true;
    case 13: solvetdz(lat1, lat2, g.t, g.dec, alt1, alt2, g.Z, g.lha, g.zn, nout); return true;
    case 11: solvethz(lat1, lat2, g.t, dec1, dec2, g.alt, g.Z, g.lha, g.zn, nout); return true;
    default: return false;
    }
}

}  // namespace morvel::engine
