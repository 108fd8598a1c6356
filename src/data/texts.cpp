#include "data/texts.h"

namespace halvane {

namespace {

template <size_t N> void fill(std::array<std::string, N>& target, int first, std::initializer_list<const char*> values)
{
    int i = first;
    for (const char* value : values) target[static_cast<size_t>(i++)] = value;
}

}  // namespace

void fillNameTables(Texts& t)
{
    fill(t.bodyNames[Japanese], 0,
         {"太陽", "水星", "金星", "地球", "火星", "木星", "土星", "天王星", "海王星", "冥王星", "月"});
    fill(t.bodyNames[English], 0,
         {"Sun", "Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Moon"});
    fill(t.bodyNames[Japanese], 90,
         {"固定点", "春分点", "秋分点", "北極点", "南極点", "夏至", "冬至", "黄経の北極", "黄経の南極"});
    fill(t.bodyNames[English], 90,
         {"Fixed", "the vernal equinox", "the autumnal point", "the north pole", "the south pole",
          "the summer solstice", "the winter solstice", "ecliptical north pole", "ecliptical south pole"});
    t.followNames[Japanese][body::FixedPoint] = "無追尾";
    t.followNames[English][body::FixedPoint] = "NoFollow";

    fill(t.signNames[Japanese], 1,
         {"白羊宮", "金牛宮", "双子宮", "巨蟹宮", "獅子宮", "処女宮", "天秤宮", "天蠍宮", "人馬宮", "魔羯宮", "宝瓶宮",
          "双魚宮"});
    fill(t.signNames[English], 1,
         {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpius", "Sagittarius", "Capricornus",
          "Aquarius", "Pisces"});
    fill(t.constellationNames, 1,
         {"おひつじ座", "おうし座", "ふたご座", "かに座", "しし座", "おとめ座", "てんびん座", "さそり座", "いて座",
          "やぎ座", "みずがめ座", "うお座"});
    fill(t.weekdayNames[Japanese], 0, {"日", "月", "火", "水", "木", "金", "土"});
    fill(t.weekdayNames[English], 0, {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
}

void fillMessages(Texts& t)
{
    fill(t.messages[Japanese], 2,
         {"数字を入力してください", "       星空を表示させてから押してください。", "最初に画面をクリックして下さい。",
          "内惑星軌道", "外惑星軌道", "2000年分点基準"});
    fill(t.messages[English], 2,
         {"Please input number", "       Please use after showing stars.", "Please click on the screen at first.",
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

void fillHelpLines(Texts& t)
{
    const std::string version = HALVANE_VERSION;
    const std::string ja12(12, ' '), en11(11, ' '), blanks(23, ' ');
    t.helpLines[Japanese][help::Banner] =
        blanks + "Halvane バージョン " + version + "　　星空と太陽系の軌道を描くプラネタリウム";
    t.helpLines[English][help::Banner] =
        blanks + "Halvane version " + version + "  -  a planetarium of the stars and the orbits of the solar system";
    t.helpLines[Japanese][help::Request] = ja12 + "メニューを選択して画面をクリックしてください!!";
    t.helpLines[English][help::Request] = en11 + "Please select menu & click on the Screen!!";
    t.helpLines[Japanese][help::RequestToEnjoy] = ja12 + "メニューを選択して画面をクリックすると表示。";
    t.helpLines[English][help::RequestToEnjoy] = en11 + "You can enjoy after selecting menu & clicking on the Screen!!";
    t.helpLines[Japanese][help::RequestToWait] = ja12 + "画面を1回だけクリックしてそのままお待ちください!!";
    t.helpLines[English][help::RequestToWait] = en11 + "Please click only 1 time on the Screen & wait a moment!!";

    const std::array<const char*, 18> japanese{
        "１段目表示は、赤経、黄経の区別。２，３段目数字は、１段目表示と連動した赤経赤緯または黄経黄緯。天空、軌道に連動"
        "。",
        "４，５段目数字は、１段目表示と連動した赤経赤緯または黄経黄緯。",
        "６段目数字は、拡大倍率（7.5倍～100,000,000倍）。天空、軌道、３Ｄ軌道に連動。",
        "７段目数字は、年。８段目数字は、月（1～12月）。９段目数字は、日。10段目数字は、時、分。各種連続表示と連動。",
        "11段目数字は、世界標準時に対する時差の時、分。",
        "12，13段目数字は、連続表示の回数及び間隔日数。連続表示、重複表示に連動。",
        "14段目数字は、３Ｄの幅及び程度。通常は1.0。15,16,17段目数字は、固定点の x, y, z 座標。視点の基準と連動。",
        "各数字の横小ボタンは、左側「+」は増加、右側「-」は減少。",
        "１段目選択ボックスは、追尾の対象となる天体の選択。２段目選択ボックスは、視点の基準となる天体（どの天体から眺め"
        "るか）の選択。",
        "３段目選択ボックスは、天空赤経、黄道帯、軌道、２相軌道、３Ｄ軌道、天空黄経、の選択。",
        "４段目選択ボックスは、1回、ランダム、連続表示、重複表示、現在時、初期設定、の表示選択。",
        "５段目選択ボックスは、全天体、惑星のみ、（惑星）＋彗星、（惑星）＋小惑星、の表示の選択。",
        "６段目選択ボックスは、名前付（惑星名、星座名の表示）、名前なし（名称非表示）、名前のみ（名称のみ表示）の選択"
        "。",
        "７段目選択ボックスは、星座線表示の有無の選択。",
        "８，９，10，11段目選択ボックスは、それぞれ恒星表示精度、恒星の明るさ、恒星の色彩（彩度）、恒星の光条、の選択"
        "。",
        "12段目選択ボックスは、音楽有無の選択。13段目選択ボックスは、デモ表示の選択。",
        "14段目選択ボックスは、日本語、英語、の選択。15段目ボタンは、操作法説明。",
        "音楽：「Lirrabel」より"};
    const std::array<const char*, 18> english{
        "1st display, 2nd & 3rd Numbers are equatorial & ecliptic. Connected to sky & each orbits.",
        "4th & 5th Numbers are equatorial & ecliptic. Connected to sky & each orbits.",
        "6th Number is Magnifying Power (from 7.5 to 100,000,000 times). Connected to sky, 3D-orbit & 1-Orbit.",
        "7th Number is Year. 8th Number is Month. 9th Number is Day. 10th Numbers are Hour & Minute.",
        "11th Numbers are GMT, Hours & Minutes of Time Lag from UT (Universal Time).",
        "12th & 13th Numbers are times & days connected to sequential & x times (multi display).",
        "14th Numbers are width & degree of 3D. Usually 1.0. 15th, 16th & 17th Numbers are x, y, z coordinates as "
        "distance of fixed point.",
        "Left  '+ ' means increase and right ' - ' means decrease in Small Buttons beside Numbers.",
        "1st Selective Box can select following planets. 2nd Selective Box can select planets as view point.",
        "3rd Selective Box can select Sky-equatorial, zodiac, 1-Orbit, 2-Orbit, 3D-orbit & Sky-ecliptic.",
        "4th Selective Box can select single, at random, sequential, x times (multi display), now-single & default.",
        "5th Selective Box can select all bodies, only planets, +comets or +asteroids as display.",
        "6th Selective Box is for +Name / No name / Only Name of Stars & Planets.",
        "7th Selective Box can select constellation lines.",
        "8th, 9th 10th & 11th Selective Boxes are for precision, brightness, color and cross of stars.",
        "12th Selective Box is for Music. 13th Selective Box is for Demonstration.",
        "14th Selective Box is for English / Japanese Language. 15th Button is for Explanation.",
        "Music presented by 'Lirrabel'"};
    for (size_t i = 0; i < japanese.size(); ++i) {
        t.helpLines[Japanese][help::FirstHelp + i] = blanks + japanese[i];
        t.helpLines[English][help::FirstHelp + i] = blanks + english[i];
    }
    t.englishHint = blanks
        + "You can enjoy in English version after selecting English in selective box above 'Exp' and "
          "clicking on the Screen.";
}

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
