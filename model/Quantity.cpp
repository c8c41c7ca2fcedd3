#include "model/Quantity.h"

#include <cstdint>
#include <cstring>

namespace {

// One row per quantity index. Texts are Windows-1252 bytes; a literal is split where a hex
// escape would otherwise swallow the letter that follows it.
const Quantity kQuantities[kQuantityCount] = {
    // edit, checkbox, picture, default, decimals, lower limit, upper limit, title, help text
    // 0 luminous intensity
    {1010, 1000, 129, 0, 0, 0, kNoLimit, "Lichtst\xE4ke          >cd  ",
     "Ist die durchschnittliche Helligkeit einer Lichtquelle im Abstand"
     " von einem Meter zu Lichtquelle. \n\n"
     "Lichtst\xE4ke =  Lichtstrom / Raumwinkel\n\n"},
    // 1 luminous flux
    {1011, 1001, 129, 1000, 1, 0, kNoLimit, "Lichtstrom          >lm  ",
     "Ist die gesammte Lichtmenge die von einer Lichtquelle abgegeben"
     " wird.\n\n"
     "Lichtstrom = Lichtst\xE4ke * Raumwinkel"},
    // 2 illuminance under the lamp
    {1012, 1002, 129, 500, 0, 0, kNoLimit, "Beleuchtungsst\xE4rke  >lux ",
     "Ist die Helligkeit die der Lichtkegel der Lichquelle am Boden"
     " erzeugt. Mit steigender H\xF6he der Lichtquelle sinkt die Beleuchtungsst\xE4rke"
     " zum Quartrat."},
    // 3 beam angle
    {1013, 1003, 131, 36, 1, 1, 120, "Abstrahlwinkel      >\xB0   ",
     "Ist der Winkel mit dem das Licht von der Lichtquelle abgestrahlt"
     " wird."},
    // 4 solid angle
    {1014, 1004, 132, 0, 3, 0, 6.283185307179586, "Raumwinkel          >sr  ",
     "Ist die Fl\xE4"
     "che des Lichtkegels die auf die Eingeitskugel (d=1m) strahlt."
     " Der Raumwinkel ist abh\xE4ngig vom Abstrahlwinkel:\n\n"
     "Raumwinkel = 2*PI * [ 1-cos(Abstrahlwinkel/2) ]"},
    // 5 lit area
    {1016, 1005, 133, 0, 2, 0, kNoLimit,
     "Beleuchtungsfl\xE4"
     "che  >m\xB2  ",
     "Ist die Flache die der Lichtkegel einer Lichtquelle ausleuchet.Fl\xE4"
     "che = Durchmesser\xB2 * PI / 4\n\n"},
    // 6 mounting height
    {1015, 1006, 134, 2.5, 2, 0.1, 20, "Lampenh\xF6he          >m   ",
     "Ist die H\xF6he in der die Lichtquelle montiert ist."},
    // 7 diameter of the lit circle
    {1017, 1007, 135, 0, 2, 0, kNoLimit, "Durchmesser         >m   ",
     "Ist der Durchmesser der Fl\xE4"
     "che die von einer Lichtquelle ausgeleuchtet wird.Durchmesser"
     " = 2 * Lampenh\xF6he * tan(Abstrahlwinkel/2)"},
    // 8 electrical power
    {1018, 1008, 129, 20, 2, 0, kNoLimit, "Elekt. Leistung     >W   ",
     "Ist die elektische Leistung in Watt der Lichtquelle."},
    // 9 luminous efficacy
    {1019, 1009, 129, 0, 2, 0, kNoLimit, "Lichtausbeute       >W/lm",
     "Ist die Menge an Licht die pro Watt elektischer Leistung von"
     " der Lichtquelle abgegeben wird.\n\n"
     "Lichtausbeute = Lichtstrom / Leistung"},
    // 10 room area
    {1020, 1030, 136, 20, 2, 0, kNoLimit,
     "Raumgr\xF6\xDF"
     "e           >m\xB2  ",
     "Ist die Gr\xF6\xDF"
     "e des Raumes der ausgeleuchet werden soll."},
    // 11 operating hours per day
    {1021, 1031, 129, 5, 1, 0, 24, "Betriebstunden/Tag  >h   ",
     "Ist die duchschnittliche Zeit die das Licht im Raum pro Tag eingeschalten"
     " ist."},
    // 12 operating days per year
    {1022, 1032, 129, 300, 0, 0, 365, "Betriebtage/Jahr    >Tage",
     "Ist die Anzahl der Tage an denen das Licht pro Jahr eingeschalten"
     " ist."},
    // 13 operating hours per year
    {1023, 1033, 129, 0, 1, 1, 8760, "Betriebstunden/Jahr >h   ",
     "Ist die Zeit die das Licht im Raum pro Jahr eingeschalten ist."},
    // 14 illuminance wanted in the room
    {1024, 1034, 129, 500, 0, 0, kNoLimit, "Beleuchtungsst.Raum >lux ",
     "Ist die Helligkeit die im Raum herschen soll.\n\n"
     "200 lux = Wohnzimmer\n"
     "500 lux = Arbeitsr\xE4ume"},
    // 15 lamps needed
    {1025, 1035, 129, 0, 1, 0, kNoLimit, "Lampenanzahl        >#   ",
     "Ist die Anzahl der Lampe die im Raumben\xF6tigt werden um die"
     " gew\xFCnschte Helligkeit zu erreichen"},
    // 16 lamp life
    {1026, 1036, 129, 2000, 0, 0, kNoLimit, "Lebensdauer         >m   ",
     "Ist die Zeit in Stunden die eine Lampe im Schnitt als Lebensdauer"
     " hat."},
    // 17 price per lamp
    {1027, 1037, 129, 2, 2, 0, kNoLimit, "Preis je Lampe      >Euro",
     "Ist der Preis eine einzigen Lampe."},
    // 18 electricity price
    {1028, 1038, 129, 0.19, 2, 0, kNoLimit, "Strompreis          >Euro",
     "Ist der Preis f\xFCr eine Kilowattstunde Strom."},
    // 19 yearly operating cost
    {1029, 1039, 129, 0, 2, 0, kNoLimit, "Betriebskosten/Jahr >Euro",
     "Sind die errechneten Betreibskosten f\xFCr alle Lampen pro Jahr."},
    // 20 lamp efficiency
    {1042, 1045, 138, 80, 0, 1, 100, "Lampenwirkungsgrad  >%   ",
     "Ist der Wirkungsgrad der Lampe. Er gibt an wieviel Prozen des"
     " Lichtes die Lampe verl\xE4sst.\n\n"
     "Dieser Wert kann aus dem Datenblatt der Lampe entnommen werden."},
    // 21 room efficiency
    {1046, 1047, 137, 70, 0, 1, 100, "Raumwirkungsgrad    >%   ",
     "Besimmt wieviel Prozent des Lichtes von den W\xE4nden, Boden"
     " und Decke zum Auge reflektiert wird.\n\n"
     "   k = a*b / /h*(a+b))\n\n"
     "Mit k kann der Raumwirkungsgrad aus einer Tabelle entnommen werden."
     " Dazu werden die Reflexionsgrade von Decke, Boden und W\xE4nden"
     " ben\xF6tig."},
};

} // namespace

const int kInitiallyGiven[13] = {1, 3, 6, 8, 10, 11, 12, 14, 16, 17, 18, 20, 21};

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

int QuantityOfEdit(int controlId) {
    for (int q = 0; q < kQuantityCount; ++q) {
        if (kQuantities[q].editId == controlId) {
            return q;
        }
    }
    return kNoQuantity;
}

int QuantityOfCheckbox(int controlId) {
    for (int q = 0; q < kQuantityCount; ++q) {
        if (kQuantities[q].checkboxId == controlId) {
            return q;
        }
    }
    return kNoQuantity;
}

std::string_view TitleName(int q) {
    std::string_view title = kQuantities[q].title;
    return title.substr(0, title.find('>'));
}

std::string_view TitleUnit(int q) {
    std::string_view title = kQuantities[q].title;
    return title.substr(title.find('>') + 1);
}
