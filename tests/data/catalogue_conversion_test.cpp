#include "data/catalogue_conversion.h"

#include <gtest/gtest.h>

#include "ephemeris/ecliptic_conversion.h"

namespace halvane {
namespace {

TEST(EclipticConversion, PassesCoverStarsNamedStarsAndTheLineRecordsOnly)
{
    StarTables tables;
    tables.lastCatalogueRow = star::LastRow;  // a full catalogue
    tables.stars[star::LastRow][star::RightAscension] = 1.5;
    tables.stars[99][star::RightAscension] = 1.5;  // below the converted rows
    tables.named[117][star::RightAscension] = 1.5;
    tables.lines[730] = {0, 1.5, 0, 0};
    tables.lines[731] = {1.5, 1.5, 0, 0};

    convertToEcliptic(tables);

    const double lambda = toEcliptic(1.5, 0).longitude, beta = toEcliptic(1.5, 0).latitude;
    EXPECT_EQ(tables.stars[star::LastRow][star::Longitude], lambda);
    EXPECT_EQ(tables.stars[star::LastRow][star::Latitude], beta);
    EXPECT_EQ(tables.stars[99][star::Longitude], 0);
    EXPECT_EQ(tables.named[117][star::Longitude], lambda);
    EXPECT_EQ(tables.lines[730][line::Longitude], 0);
    EXPECT_EQ(tables.lines[730][line::Longitude + 1], lambda);
    EXPECT_EQ(tables.lines[730][line::Latitude + 1], beta);
    EXPECT_EQ(tables.lines[731][line::Longitude], 0);
    EXPECT_EQ(tables.lines[731][line::Longitude + 1], 0);
}

}  // namespace
}  // namespace halvane
