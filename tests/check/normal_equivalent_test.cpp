#include "check/normal_equivalent.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

struct TailCase {
  double t;
  double studentTail;    ///< two-sided, 6 degrees of freedom, by numerical integration of the density
  double normalDeviate;  ///< the normal deviate of that tail, by an independent inverse
};

TEST(NormalEquivalent, StudentTailsAndTheirNormalDeviates) {
  const TailCase cases[] = {
      {0.5, 0.63488000000003, 0.4748694887283489},        {1.0, 0.35591768374957894, 0.9231717970325638},
      {2.447, 0.04999401437233961, 1.9600151944032234},   {3.29, 0.016613808599382687, 2.3951446707598736},
      {5.959, 0.0009998384273667566, 3.290572192215526},  {30.0, 9.099147044443278e-08, 5.343852797818613},
      {1000.0, 6.749893688647411e-17, 8.351329311718105},
  };
  for (const TailCase& c : cases) {
    EXPECT_NEAR(studentTwoSidedTail(c.t, 6), c.studentTail, 1e-9 * c.studentTail) << c.t;
    EXPECT_NEAR(normalEquivalent(c.t, 6), c.normalDeviate, 1e-7) << c.t;
    EXPECT_NEAR(normalEquivalent(-c.t, 6), -c.normalDeviate, 1e-7) << c.t;
  }
  EXPECT_EQ(normalEquivalent(0.0, 6), 0.0);
}

TEST(NormalEquivalent, NormalDeviatesOfWellKnownTails) {
  const std::pair<double, double> cases[] = {
      {0.10, 1.6448536269514726}, {0.05, 1.9599639845400538}, {0.01, 2.5758293035489},    {0.001, 3.2905267314918945},
      {1e-6, 4.89163847569859},   {1e-20, 9.336044849234058}, {1e-300, 37.06578788077212}};
  for (const auto& [p, z] : cases) EXPECT_NEAR(normalDeviateOfTwoSidedTail(p), z, 1e-9 * z) << p;
}

TEST(NormalEquivalent, TwoDegreesOfFreedomHaveTheirClosedForm) {
  // For n = 2 the two-sided tail is 1 - t / sqrt(2 + t^2).
  for (const double t : {0.1, 1.0, 4.0, 100.0}) {
    const double expected = 1.0 - t / std::sqrt(2.0 + t * t);
    EXPECT_NEAR(studentTwoSidedTail(t, 2), expected, 1e-12 * expected) << t;
  }
}

}  // namespace
}  // namespace velmora
