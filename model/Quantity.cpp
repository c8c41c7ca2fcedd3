#include "model/Quantity.h"

#include "support/Maths.h"

#include <cstdint>
#include <cstring>

namespace {

// One row per quantity, in the order of QuantityIndex. Texts are Windows-1252 bytes; a literal
// is split where a hex escape would otherwise swallow the letter that follows it.
const Quantity kQuantities[kQuantityCount] = {
    // default, decimals, lower limit, upper limit, title, help text
    // kLuminousIntensity
    {0, 0, 0, kNoLimit, "Lichtst\xE4ke          >cd  ",
     "Ist die durchschnittliche Helligkeit einer Lichtquelle im Abstand"
     " von einem Meter zu Lichtquelle. \n\n"
     "Lichtst\xE4ke =  Lichtstrom / Raumwinkel\n\n"},
    // kLuminousFlux
    {1000, 1, 0, kNoLimit, "Lichtstrom          >lm  ",
     "Ist die gesammte Lichtmenge die von einer Lichtquelle abgegeben"
     " wird.\n\n"
     "Lichtstrom = Lichtst\xE4ke * Raumwinkel"},
    // kIlluminance
    {500, 0, 0, kNoLimit, "Beleuchtungsst\xE4rke  >lux ",
     "Ist die Helligkeit die der Lichtkegel der Lichquelle am Boden"
     " erzeugt. Mit steigender H\xF6he der Lichtquelle sinkt die Beleuchtungsst\xE4rke"
     " zum Quartrat."},
    // kBeamAngle
    {36, 1, 1, 120, "Abstrahlwinkel      >\xB0   ",
     "Ist der Winkel mit dem das Licht von der Lichtquelle abgestrahlt"
     " wird."},
    // kSolidAngle
    {0, 3, 0, 2 * maths::kPi, "Raumwinkel          >sr  ",
     "Ist die Fl\xE4"
     "che des Lichtkegels die auf die Eingeitskugel (d=1m) strahlt."
     " Der Raumwinkel ist abh\xE4ngig vom Abstrahlwinkel:\n\n"
     "Raumwinkel = 2*PI * [ 1-cos(Abstrahlwinkel/2) ]"},
    // kLitArea
    {0, 2, 0, kNoLimit,
     "Beleuchtungsfl\xE4"
     "che  >m\xB2  ",
     "Ist die Flache die der Lichtkegel einer Lichtquelle ausleuchet.Fl\xE4"
     "che = Durchmesser\xB2 * PI / 4\n\n"},
    // kMountingHeight
    {2.5, 2, 0.1, 20, "Lampenh\xF6he          >m   ",
     "Ist die H\xF6he in der die Lichtquelle montiert ist."},
    // kLitDiameter
    {0, 2, 0, kNoLimit, "Durchmesser         >m   ",
     "Ist der Durchmesser der Fl\xE4"
     "che die von einer Lichtquelle ausgeleuchtet wird.Durchmesser"
     " = 2 * Lampenh\xF6he * tan(Abstrahlwinkel/2)"},
    // kPower
    {20, 2, 0, kNoLimit, "Elekt. Leistung     >W   ",
     "Ist die elektische Leistung in Watt der Lichtquelle."},
    // kEfficacy
    {0, 2, 0, kNoLimit, "Lichtausbeute       >W/lm",
     "Ist die Menge an Licht die pro Watt elektischer Leistung von"
     " der Lichtquelle abgegeben wird.\n\n"
     "Lichtausbeute = Lichtstrom / Leistung"},
    // kRoomArea
    {20, 2, 0, kNoLimit,
     "Raumgr\xF6\xDF"
     "e           >m\xB2  ",
     "Ist die Gr\xF6\xDF"
     "e des Raumes der ausgeleuchet werden soll."},
    // kHoursPerDay
    {5, 1, 0, 24, "Betriebstunden/Tag  >h   ",
     "Ist die duchschnittliche Zeit die das Licht im Raum pro Tag eingeschalten"
     " ist."},
    // kDaysPerYear
    {300, 0, 0, 365, "Betriebtage/Jahr    >Tage",
     "Ist die Anzahl der Tage an denen das Licht pro Jahr eingeschalten"
     " ist."},
    // kHoursPerYear
    {0, 1, 1, 8760, "Betriebstunden/Jahr >h   ",
     "Ist die Zeit die das Licht im Raum pro Jahr eingeschalten ist."},
    // kRoomIlluminance
    {500, 0, 0, kNoLimit, "Beleuchtungsst.Raum >lux ",
     "Ist die Helligkeit die im Raum herschen soll.\n\n"
     "200 lux = Wohnzimmer\n"
     "500 lux = Arbeitsr\xE4ume"},
    // kLampsNeeded
    {0, 1, 0, kNoLimit, "Lampenanzahl        >#   ",
     "Ist die Anzahl der Lampe die im Raumben\xF6tigt werden um die"
     " gew\xFCnschte Helligkeit zu erreichen"},
    // kLampLife
    {2000, 0, 0, kNoLimit, "Lebensdauer         >m   ",
     "Ist die Zeit in Stunden die eine Lampe im Schnitt als Lebensdauer"
     " hat."},
    // kLampPrice
    {2, 2, 0, kNoLimit, "Preis je Lampe      >Euro", "Ist der Preis eine einzigen Lampe."},
    // kElectricityPrice
    {0.19, 2, 0, kNoLimit, "Strompreis          >Euro",
     "Ist der Preis f\xFCr eine Kilowattstunde Strom."},
    // kOperatingCost
    {0, 2, 0, kNoLimit, "Betriebskosten/Jahr >Euro",
     "Sind die errechneten Betreibskosten f\xFCr alle Lampen pro Jahr."},
    // kLampEfficiency
    {80, 0, 1, 100, "Lampenwirkungsgrad  >%   ",
     "Ist der Wirkungsgrad der Lampe. Er gibt an wieviel Prozen des"
     " Lichtes die Lampe verl\xE4sst.\n\n"
     "Dieser Wert kann aus dem Datenblatt der Lampe entnommen werden."},
    // kRoomEfficiency
    {70, 0, 1, 150, "Raumwirkungsgrad    >%   ",
     "Besimmt wieviel Prozent des Lichtes von den W\xE4nden, Boden"
     " und Decke zum Auge reflektiert wird.\n\n"
     "   k = a*b / /h*(a+b))\n\n"
     "Mit k kann der Raumwirkungsgrad aus einer Tabelle entnommen werden."
     " Dazu werden die Reflexionsgrade von Decke, Boden und W\xE4nden"
     " ben\xF6tig."},
    // kMaintenanceFactor
    {1, 2, 0.1, 1, "Wartungsfaktor      >    ",
     "Ist der Anteil des Neuwertes der Beleuchtungsst\xE4rke, der auch dann noch erreicht wird,"
     " wenn die Lampen gealtert und Leuchten und Raum verschmutzt sind.\n\n"
     "Wartungswert = Neuwert * Wartungsfaktor\n\n"
     "\xDC"
     "bliche Werte liegen zwischen 0,67 (staubige R\xE4ume, seltene Wartung) und 0,9"
     " (saubere R\xE4ume, h\xE4ufige Wartung). 1,0 rechnet ohne Alterung."},
};

} // namespace

bool IsNoLimit(double limit) {
    std::uint64_t bits = 0;
    std::uint64_t noLimitBits = 0;
    std::memcpy(&bits, &limit, sizeof bits);
    std::memcpy(&noLimitBits, &kNoLimit, sizeof noLimitBits);
    return bits == noLimitBits;
}

bool IsQuantityIndex(int q) {
    return q >= 0 && q < kQuantityCount;
}

const Quantity& QuantityAt(int q) {
    return kQuantities[q];
}

std::string_view TitleName(int q) {
    std::string_view title = kQuantities[q].title;
    return title.substr(0, title.find('>'));
}

std::string_view TitleUnit(int q) {
    std::string_view title = kQuantities[q].title;
    return title.substr(title.find('>') + 1);
}
