#include "data/texts.h"

namespace halvane {

namespace {

template <size_t N>
void fill(std::array<std::string, N>& target, int first, std::initializer_list<const char*> values)
{
    int i = first;
    for (const char* value : values) target[static_cast<size_t>(i++)] = value;
}

}  // namespace

void fillNameTables(Texts& t)
{
    fill(t.bodyNames[Japanese], 0, {"太陽", "水星", "金星", "地球", "火星", "木星", "土星", "天王星", "海王星", "冥王星", "月"});
    fill(t.bodyNames[English], 0, {"Sun", "Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Moon"});
    fill(t.bodyNames[Japanese], 90, {"固定点", "春分点", "秋分点", "北極点", "南極点", "夏至", "冬至", "黄経の北極", "黄経の南極"});
    fill(t.bodyNames[English], 90, {"Fixed", "the vernal equinox", "the autumnal point", "the north pole", "the south pole",
                                    "the summer solstice", "the winter solstice", "ecliptical north pole", "ecliptical south pole"});
    t.followNames[Japanese][body::FixedPoint] = "無追尾";
    t.followNames[English][body::FixedPoint] = "NoFollow";

    fill(t.signNames[Japanese], 1, {"白羊宮", "金牛宮", "双子宮", "巨蟹宮", "獅子宮", "処女宮", "天秤宮", "天蠍宮", "人馬宮", "魔羯宮", "宝瓶宮", "双魚宮"});
    fill(t.signNames[English], 1, {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpius", "Sagittarius", "Capricornus", "Aquarius", "Pisces"});
    fill(t.constellationNames, 1, {"おひつじ座", "おうし座", "ふたご座", "かに座", "しし座", "おとめ座", "てんびん座", "さそり座", "いて座", "やぎ座", "みずがめ座", "うお座"});
    fill(t.weekdayNames[Japanese], 0, {"日", "月", "火", "水", "木", "金", "土"});
    fill(t.weekdayNames[English], 0, {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
}

void fillMessages(Texts& t)
{
    fill(t.messages[Japanese], 2, {"数字を入力してください", "       星空を表示させてから押してください。", "最初に画面をクリックして下さい。",
                                   "内惑星軌道", "外惑星軌道", "2000年分点基準"});
    fill(t.messages[English], 2, {"Please input number", "       Please use after showing stars.", "Please click on the screen at first.",
                                  "Orbit of Inner Planets", "Orbit of Outer Planets", "The standard is 2000 year's Vernal Equinox."});
}

void fillMenuTables(Texts& t)
{
    fill(t.coordinateLabels[Japanese], 0, {"赤経", "黄経"});
    fill(t.coordinateLabels[English], 0, {"equat.", "ecliptic"});

    auto& ja = t.menu[Japanese];
    auto& en = t.menu[English];
    fill(ja[menu::BodiesShown], 0, {"全天体", "惑星のみ", "+彗星", "+小惑星"});
    fill(en[menu::BodiesShown], 0, {"All bodies", "Only Planets", "+Comets", "+Asteroids"});
    fill(ja[menu::Names], 0, {"名前なし", "名前付き", "名前のみ"});
    fill(en[menu::Names], 0, {"NoName", "+Nane", "OnlyName"});
    fill(ja[menu::Language], 0, {"日本語", "English"});
    fill(en[menu::Language], 0, {"Japanese", "Eng"});
    fill(ja[menu::RepeatMode], 0, {"1回", "ランダム", "連続表示", "重複表示", "現在時", "初期設定"});
    fill(en[menu::RepeatMode], 0, {"Single", "At Random", "Sequential", "x times", "Now", "Default"});
    fill(ja[menu::DisplayMode], 0, {"天空赤経", "黄道帯", "２相軌道", "３Ｄ軌道", "軌道", "天空黄経"});
    fill(en[menu::DisplayMode], 0, {"Sky-equatorial", "Zodiac", "2-Orbit", "3D-Orb", "1-Orbit", "Sky-ecliptic"});
    fill(ja[menu::Precision], 0, {"高精度", "通常精度"});
    fill(en[menu::Precision], 0, {"Precision", "Normal"});
    fill(ja[menu::Brightness], 0, {"±0 標準", "+1 明", "+2 明", "+3 明", "+4 明", "+5 明"});
    fill(en[menu::Brightness], 0, {"±0 standard", "+1 bright", "+2 bright", "+3 bright", "+4 bright", "+5 bright"});
    fill(ja[menu::Music], 0, {"音楽なし", "音楽あり"});
    fill(en[menu::Music], 0, {"No Music", "Play Music"});
    fill(ja[menu::Colour], 0, {"色なし", "色彩1", "色彩2", "色彩3", "色彩4"});
    fill(en[menu::Colour], 0, {"Color0", "Color1", "Color2", "Color3", "Color4"});
    fill(ja[menu::Rays], 0, {"光条0", "光条1", "光条2", "光条3", "光条4"});
    fill(en[menu::Rays], 0, {"Cross0", "Cross1", "Cross2", "Cross3", "Cross4"});

    fill(t.lineOptions[Japanese], 0, {"無星座線", "暗星座線", "明星座線"});
    fill(t.lineOptions[English], 0, {"No line", "Dark Line", "Bright Line"});
}

void fillEquinoxLabel(Texts& t) { t.equinoxLabel = {"春分", "Equinox"}; }

void copyFollowNames(Texts& t)
{
    for (int language : {Japanese, English})
        for (int i = 0; i <= body::LastAsteroid; ++i) t.followNames[language][i] = t.bodyNames[language][i];
}

void setBuiltInSceneNames(Texts& t)
{
    t.sceneNames[Japanese][SaturnScene] = "土星近傍";
    t.sceneNames[English][SaturnScene] = "Saturn2";
    t.sceneNames[Japanese][MedleyScene] = "メドレー";
    t.sceneNames[English][MedleyScene] = "Medley";
}

}  // namespace halvane
