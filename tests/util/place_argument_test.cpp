#include <gtest/gtest.h>

#include "util/command_line.h"

namespace halvane {
namespace {

TEST(PlaceArgument, NumbersAndNamedPlaces)
{
    struct Case {
        const char* text;
        bool valid;
        EarthPlace place;
        std::string_view englishName;
    };
    const Case cases[] = {
        {"35.68,139.77", true, {35.68, 139.77, 0}, ""},
        {"-33.87,151.21,58", true, {-33.87, 151.21, 58}, ""},
        {"32.78,-96.80", true, {32.78, -96.80, 0}, ""},
        {"90,-180,-1000", true, {90, -180, -1000}, ""},
        {"TOKYO", true, {35.6895, 139.6917, 40}, "Tokyo"},
        {"New-York", true, {40.7128, -74.0060, 10}, "New York"},
        {"90.01,0", false, {}, ""},
        {"0,180.5", false, {}, ""},
        {"0,0,100001", false, {}, ""},
        {"35.68", false, {}, ""},
        {"35.68,139.77,1,2", false, {}, ""},
        {"35.68,,1", false, {}, ""},
        {"1e999,0", false, {}, ""},
        {"nan,0", false, {}, ""},
        {"35,68;139", false, {}, ""},
        {"atlantis", false, {}, ""},
        {"", false, {}, ""},
    };
    for (const Case& c : cases) {
        const auto place = placeArgument(c.text);
        ASSERT_EQ(place.has_value(), c.valid) << c.text;
        if (!place) continue;
        EXPECT_EQ(place->place.latitudeDeg, c.place.latitudeDeg) << c.text;
        EXPECT_EQ(place->place.longitudeDeg, c.place.longitudeDeg) << c.text;
        EXPECT_EQ(place->place.heightMetres, c.place.heightMetres) << c.text;
        EXPECT_EQ(place->englishName, c.englishName) << c.text;
    }
}

}  // namespace
}  // namespace halvane
