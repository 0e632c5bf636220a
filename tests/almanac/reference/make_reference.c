/* Prints the reference table of tests/almanac from the Swiss Ephemeris
 * (JPL DE431-derived files): for random instants 1950-2050, every body's
 * apparent geocentric GHA and declination (true equator and equinox of
 * date), semi-diameter and horizontal parallax. Built and run by
 * make_reference.sh; not part of Morvel.
 *
 * Each row gives the instant as Julian dates in TT and UT1 both, so that a
 * reader needs no model of delta T to agree on the instant. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "swephexp.h"

#define MAX_STARS 80
#define AU_KM 149597870.7
#define EARTH_RADIUS_KM 6378.137

static double wrap360(double x) {
  x = fmod(x, 360.0);
  return x < 0 ? x + 360.0 : x;
}

int main(int argc, char **argv) {
  if (argc != 5) {
    fprintf(stderr, "usage: %s EPHEMERIS_DIR STARS_CSV COUNT SEED\n", argv[0]);
    return 2;
  }
  swe_set_ephe_path(argv[1]);
  int count = atoi(argv[3]);
  srand((unsigned)atoi(argv[4]));

  char names[MAX_STARS][64], designations[MAX_STARS][64];
  int nstars = 0;
  FILE *f = fopen(argv[2], "r");
  if (!f) { perror(argv[2]); return 1; }
  char line[512];
  int header = 1;
  while (fgets(line, sizeof line, f) && nstars < MAX_STARS) {
    if (line[0] == '#') continue;
    if (header) { header = 0; continue; }
    char *fields[5];
    char *p = line;
    for (int i = 0; i < 5; ++i) { fields[i] = p; p = strchr(p, ','); if (!p) break; *p++ = 0; }
    if (!p) continue;
    snprintf(names[nstars], sizeof names[0], "%s", fields[0]);
    snprintf(designations[nstars], sizeof designations[0], ",%s", fields[4]);
    ++nstars;
  }
  fclose(f);

  static const struct { const char *name; int ipl; } bodies[] = {
      {"Venus", SE_VENUS}, {"Mars", SE_MARS}, {"Jupiter", SE_JUPITER},
      {"Saturn", SE_SATURN}, {"Sun", SE_SUN}, {"Moon", SE_MOON}};
  const double first = 2433282.5, last = 2469807.5; /* 1950-01-01 .. 2050-01-01 */
  const int32 flags = SEFLG_SWIEPH | SEFLG_EQUATORIAL;
  char serr[AS_MAXCH];
  printf("# tt_jd,ut1_jd,body,gha_deg,dec_deg,sd_arcmin,hp_arcmin,mag\n");
  for (int k = 0; k < count; ++k) {
    double ut = first + (last - first) * ((double)rand() / RAND_MAX);
    double tt = ut + swe_deltat_ex(ut, SEFLG_SWIEPH, serr);
    double gast = swe_sidtime(ut) * 15.0;
    printf("%.8f,%.8f,Aries,%.7f,0,,,\n", tt, ut, wrap360(gast));
    for (size_t b = 0; b < sizeof bodies / sizeof bodies[0]; ++b) {
      double xx[6], attr[20];
      /* A missing file would make the Swiss Ephemeris fall back on its
       * coarser analytical theory: refuse that. */
      if ((swe_calc(tt, bodies[b].ipl, flags, xx, serr) & SEFLG_SWIEPH) == 0 ||
          swe_pheno(tt, bodies[b].ipl, SEFLG_SWIEPH, attr, serr) < 0) {
        fprintf(stderr, "%s\n", serr);
        return 1;
      }
      double hp = asin(EARTH_RADIUS_KM / (xx[2] * AU_KM)) * 180.0 / M_PI * 60.0;
      printf("%.8f,%.8f,%s,%.7f,%.7f,%.5f,%.5f", tt, ut, bodies[b].name,
             wrap360(gast - xx[0]), xx[1], attr[3] * 30.0, hp);
      if (bodies[b].ipl == SE_SUN || bodies[b].ipl == SE_MOON) printf(",\n");
      else printf(",%.2f\n", attr[4]);
    }
    for (int s = 0; s < nstars; ++s) {
      double xx[6];
      char star[SE_MAX_STNAME * 2 + 1];
      snprintf(star, sizeof star, "%s", designations[s]);
      if (swe_fixstar2(star, tt, flags, xx, serr) < 0) {
        fprintf(stderr, "%s: %s\n", names[s], serr);
        return 1;
      }
      printf("%.8f,%.8f,%s,%.7f,%.7f,,,\n", tt, ut, names[s], wrap360(gast - xx[0]), xx[1]);
    }
  }
  swe_close();
  return 0;
}
