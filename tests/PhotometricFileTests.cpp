// The makers' photometric files as lamp records: the readers of both formats, the beam angle,
// the integrated flux, the record lines and the reasons a file gives none.
#include "io/LightDatabase.h"
#include "io/LuminaireFolder.h"
#include "io/LuminaireRecord.h"
#include "photometry/EulumdatReader.h"
#include "photometry/IesReader.h"
#include "tests/FieldFiles.h"
#include "tests/WholeFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kOwnFiles = LUMETRIX_PHOTOMETRY;

constexpr double kReleased = NAN;

LuminaireReading Read(const std::string& name, const std::string& content) {
    return name.substr(name.size() - 4) == ".ldt" ? ReadEulumdat(content) : ReadIes(content);
}

LuminaireReading ReadFile(const fs::path& path) {
    return Read(path.filename().string(), ReadWholeFile(path));
}

// The record lines of a file, or the reason it gives none.
std::vector<std::string> RecordsOrReason(const fs::path& path) {
    const LuminaireReading reading = ReadFile(path);
    if (!reading.data) {
        return {reading.fault.Text()};
    }
    return LuminaireRecords(*reading.data, path.filename().string());
}

std::vector<std::string> Fields(const std::string& record) {
    std::vector<std::string> fields(1);
    for (char c : record) {
        if (c == ';') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// A record field against a value worked out by hand: released for NaN, else within the
// tolerance.
void ExpectField(const std::string& field, double expected, double tolerance, const char* what) {
    SCOPED_TRACE(what);
    if (std::isnan(expected)) {
        EXPECT_EQ(field, "*");
    } else {
        ASSERT_FALSE(field.empty());
        EXPECT_NEAR(std::stod(field), expected, tolerance);
    }
}

// Values from the files themselves: lamp flux (line 26c or lamps x lumens), power, LORL; the
// beam angles from the half-peak points interpolated by hand (the spotlight: 25 + 5 x 20/160 on
// either side); luminaire fluxes from the file's LORL or, for absolute photometry, the flux
// its maker states or an integration of its own.
TEST(PhotometricFiles, FilesFromTheFieldGiveTheHandWorkedRecords) {
    if (!HaveFieldFiles()) {
        GTEST_SKIP() << WithoutFieldFiles();
    }
    const struct {
        const char* file;
        const char* name;
        double flux, fluxTolerance, beam, power, efficiency, luminaireFlux;
    } cases[] = {
        {"4058075580602_FL_MAX_LUM_600W_757_SYM_60_WAL.ldt", "FL MAX LUM 600W 757 SYM 60 WAL",
         80500, 0, 60.85, 600, 99.9, 0.999 * 80500},
        {"4058075580657_FL_MAX_LUM_900W_757_ASYM_50X110_WAL.ldt",
         "FL MAX LUM 900W 757 ASYM 50X110 WAL", 123000, 0, (27.91 + 128.11) / 2, 900, 99.8,
         0.998 * 123000},
        {"ABSOLUTE_LED.ies", "LED Downlight - Absolute Photometry", 5174, 0.02 * 5174,
         2 * (35 + 5 * 100.0 / 350), 25, 100, 5174},
        {"Indoor_60W_120G_5300LM_5000K_OVNI.ies", "HIGHBAY OVNI 60W 5300LM 5000K 120\xB0", 5300,
         0.02 * 5300, 112.09, 60, 100, 5300},
        {"TILT_TEST_SYNTHETIC.ies", "TILT=INCLUDE Test Fixture", 1000, 0,
         2 * (45 + 22.5 * 200 / 300), 10, kReleased, kReleased},
        {"floor_uplight.ldt", "floor_uplight", 20000, 0, kReleased, 275, 72.33, 0.7233 * 20000},
        {"fluorescent_luminaire.ldt", "fluorescent_luminaire", 8100, 0, (113.0 + 115.45) / 2, 120,
         40.3, 0.403 * 8100},
        {"wiki-batwing.ldt", "Batwing Distribution", 4000, 0, kReleased, 40, 85, kReleased},
        {"wiki-spotlight.ldt", "Narrow Spotlight", 1500, 0, 2 * (25 + 5 * 20.0 / 160), 15, 90,
         kReleased},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const LuminaireReading reading = ReadFile(kFieldFiles / c.file);
        ASSERT_TRUE(reading.data) << reading.fault.Text();
        const std::optional<LuminaireData>& data = reading.data;
        const std::vector<std::string> records = LuminaireRecords(*data, c.file);
        ASSERT_EQ(records.size(), 1u);
        const std::vector<std::string> fields = Fields(records[0]);
        ASSERT_EQ(fields.size(), 24u);
        EXPECT_EQ(fields[0], c.name);
        EXPECT_EQ(fields[1], "*");
        ExpectField(fields[2], c.flux, c.fluxTolerance, "lamp flux");
        ExpectField(fields[4], c.beam, 1.0, "beam angle");
        ExpectField(fields[9], c.power, 0, "power");
        ExpectField(fields[21], c.efficiency, c.efficiency == 100 ? 0 : 0.02 * c.efficiency,
                    "efficiency");
        EXPECT_EQ(fields[22], "");
        EXPECT_EQ(fields[23], "\r\n");
        if (!std::isnan(c.luminaireFlux)) {
            EXPECT_NEAR(LuminousFlux(data->distribution), c.luminaireFlux, 0.02 * c.luminaireFlux);
        }
    }
}

// Small files, one for each rule. One lamp, quadrant-symmetric (C0-C180 beam 60 degrees,
// C90-C270 120), is written in every symmetry of both formats and must give the same record.
// Its integrated flux, 2 023.99 lm for 1000 cd at the nadir, agrees with a fine numerical
// integration; so does that of the rotational lamp (1 265.4 lm) and of the floodlight of type B
// (1 185.29 lm, 79.02 % of its 1500 lm; beam 60 degrees across and upright). A value the file
// cannot give releases its quantity; a file that gives no record names the line and what was
// expected there.
TEST(PhotometricFiles, EachRuleGivesItsRecordsOrItsReason) {
    const struct {
        const char* file;
        std::vector<std::string> records; // or the reason
    } cases[] = {
        {"symmetry-0.ldt", {"Symmetrie 0;*;1000;;90;;;;;10;;;;;;;;;;;;80;;\r\n"}},
        {"symmetry-2.ldt", {"Symmetrie 2;*;1000;;90;;;;;10;;;;;;;;;;;;80;;\r\n"}},
        {"symmetry-3.ldt", {"Symmetrie 3;*;1000;;90;;;;;10;;;;;;;;;;;;80;;\r\n"}},
        {"symmetry-4.ldt", {"Symmetrie 4;*;1000;;90;;;;;10;;;;;;;;;;;;80;;\r\n"}},
        {"asymmetric.ldt", {"Schief;*;1000;;105;;;;;10;;;;;;;;;;;;80;;\r\n"}},
        {"rotational-comma.ldt", {"Spot, kl\xE4in;*;1000.5;;60;;;;;12.25;;;;;;;;;;;;72.5;;\r\n"}},
        {"two-lamp-sets.ldt",
         {"Zwei S\xE4tze (LED 4000K);*;9408;;60;;;;;72;;;;;;;;;;;;80;;\r\n",
          "Zwei S\xE4tze (LED 3000K);*;10080;;60;;;;;79;;;;;;;;;;;;80;;\r\n"}},
        {"no-name.ldt", {"no-name;*;1000;;60;;;;;10;;;;;;;;;;;;*;;\r\n"}},
        {"no-lamp-sets.ldt", {"Ohne Lampen;*;*;;90;;;;;*;;;;;;;;;;;;80;;\r\n"}},
        {"batwing.ldt", {"Batwing;*;1000;;*;;;;;10;;;;;;;;;;;;80;;\r\n"}},
        {"utf8-name.ldt", {"Fluter f\xFCr Halle \x96 ?;*;1000;;60;;;;;10;;;;;;;;;;;;80;;\r\n"}},
        {"ratio-over-100.ldt", {"Knapp ueber 100;*;1000;;90;;;;;10;;;;;;;;;;;;100;;\r\n"}},
        {"ratio-far-over-100.ldt", {"Weit ueber 100;*;1000;;90;;;;;10;;;;;;;;;;;;*;;\r\n"}},
        {"cr-only.ldt", {"Nur CR;*;1000;;90;;;;;10;;;;;;;;;;;;80;;\r\n"}},
        {"too-few-values.ldt", {"Zeile 57: Lichtst\xE4rke erwartet"}},
        {"too-many-values.ldt", {"Zeile 58: Ende der Datei erwartet"}},
        {"symmetry-5.ldt", {"Zeile 3: Symmetrie 0 bis 4 erwartet"}},
        {"odd-planes.ldt", {"Zeile 4: gerade Anzahl der C-Ebenen erwartet"}},
        {"not-a-number.ldt", {"Zeile 53: Lichtst\xE4rke erwartet"}},
        {"descending-angles.ldt", {"Zeile 43: aufsteigende C-Winkel von 0 bis 360 erwartet"}},
        {"lamp-count-text.ldt", {"Zeile 27: Lampenanzahl erwartet"}},
        {"huge-power.ldt",
         {"Zeile 32: Leistung \xFC"
          "ber 1 000 000 W"}},
        {"quadrants.ies", {"Quadranten;*;2500;;90;;;;;10;;;;;;;;;;;;80.9567;;\r\n"}},
        {"half-c0-c180.ies", {"Halb C0-C180;*;2500;;90;;;;;10;;;;;;;;;;;;80.9567;;\r\n"}},
        {"half-c90-c270.ies", {"Halb C90-C270;*;2500;;90;;;;;10;;;;;;;;;;;;80.9567;;\r\n"}},
        {"full.ies", {"Voll;*;2500;;90;;;;;10;;;;;;;;;;;;80.9567;;\r\n"}},
        {"horizontal-0-270.ies", {"0 bis 270;*;2500;;90;;;;;10;;;;;;;;;;;;80.9567;;\r\n"}},
        {"rotational-1995.ies", {"Rund 1995;*;1600;;60;;;;;10;;;;;;;;;;;;79.0835;;\r\n"}},
        {"tilt-include.ies", {"Mit Neigung;*;1600;;60;;;;;10;;;;;;;;;;;;79.0835;;\r\n"}},
        {"tilt-file.ies", {"Neigungsdatei;*;1600;;60;;;;;10;;;;;;;;;;;;79.0835;;\r\n"}},
        {"lumcat-only.ies", {"KAT-1;*;1600;;60;;;;;10;;;;;;;;;;;;79.0835;;\r\n"}},
        {"no-keywords.ies", {"no-keywords;*;1600;;60;;;;;10;;;;;;;;;;;;79.0835;;\r\n"}},
        {"end-and-eof.ies", {"Alt mit END;*;1600;;60;;;;;10;;;;;;;;;;;;79.0835;;\r\n"}},
        {"cr-only.ies", {"Nur CR;*;1600;;60;;;;;10;;;;;;;;;;;;79.0835;;\r\n"}},
        {"absolute.ies", {"Absolut;*;2530.67;;60;;;;;12;;;;;;;;;;;;100;;\r\n"}},
        {"uplight.ies", {"Deckenfluter;*;1000;;*;;;;;10;;;;;;;;;;;;*;;\r\n"}},
        {"type-b.ies", {"Fluter Typ B;*;1500;;60;;;;;50;;;;;;;;;;;;79.0192;;\r\n"}},
        {"type-b-half.ies", {"Fluter Typ B halb;*;1500;;60;;;;;50;;;;;;;;;;;;79.0192;;\r\n"}},
        {"type-a.ies", {"Photometrie vom Typ A wird nicht unterst\xFCtzt"}},
        {"missing-number.ies", {"Zeile 13: Lichtst\xE4rke erwartet"}},
        {"extra-number.ies", {"Zeile 13: Ende der Datei erwartet"}},
        {"no-tilt.ies", {"Zeile TILT= fehlt"}},
        {"horizontal-45-135.ies",
         {"Zeile 10: aufsteigende waagerechte Winkel 0, 0 bis 90, 0 bis 180, 90 bis 270 oder 0 "
          "bis 360 erwartet"}},
        {"huge-flux.ies",
         {"Zeile 4: Lichtstrom \xFC"
          "ber 10 000 000 lm"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(RecordsOrReason(kOwnFiles / c.file), c.records);
    }
}

// A complete file of the given grid: a rotational EULUMDAT lamp (Mc planes listed, one
// stored) or an IES lamp without symmetry, gamma angles spread over 0 to 180 degrees.
std::string GeneratedFile(bool eulumdat, int planes, int gammas) {
    std::string text;
    const auto angles = [&](int count, double step) {
        for (int i = 0; i < count; ++i) {
            text += std::to_string(i * step) + (eulumdat ? "\n" : " ");
        }
    };
    const double gammaStep = gammas > 1 ? 180.0 / (gammas - 1) : 0;
    const double planeStep = planes > 1 ? 360.0 / (planes - 1) : 0;
    if (eulumdat) {
        text = "Test\n1\n1\n" + std::to_string(planes) + "\n0\n" + std::to_string(gammas) +
               "\n0\n\nGitter\n";
        for (int line = 10; line <= 25; ++line) {
            text += "1\n";
        }
        text += "1\n1\nLED\n1000\n3000K\n1A\n10\n";
        for (int ratio = 0; ratio < 10; ++ratio) {
            text += "0\n";
        }
        angles(planes, planeStep);
        angles(gammas, gammaStep);
        angles(gammas, 0); // intensities of the one stored plane
        return text;
    }
    text = "TILT=NONE\n1 1000 1 " + std::to_string(gammas) + " " + std::to_string(planes) +
           " 1 2 0 0 0\n1 1 10\n";
    angles(gammas, gammaStep);
    angles(planes, planeStep);
    for (int plane = 0; plane < planes; ++plane) {
        angles(gammas, 0);
    }
    return text;
}

TEST(PhotometricFiles, GridsBeyond721PlanesOr361AnglesAreNotRead) {
    const struct {
        bool eulumdat;
        int planes, gammas;
        bool read;
    } cases[] = {
        {true, 721, 7, true},  {true, 722, 7, false},  {true, 1, 361, true},
        {true, 1, 362, false}, {false, 721, 3, true},  {false, 722, 3, false},
        {false, 2, 361, true}, {false, 2, 362, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.eulumdat ? "EULUMDAT " : "IES ") + std::to_string(c.planes) + " x " +
                     std::to_string(c.gammas));
        const std::string text = GeneratedFile(c.eulumdat, c.planes, c.gammas);
        EXPECT_EQ((c.eulumdat ? ReadEulumdat(text) : ReadIes(text)).data.has_value(), c.read);
    }
}

TEST(PhotometricFiles, NumbersAreWrittenToSixSignificantDigitsWithoutExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {80500, "80500"},     {99.9, "99.9"},        {60.846620763, "60.8466"},
        {1234567, "1234570"}, {999999.7, "1000000"}, {0.000123456789, "0.000123457"},
        {12.25, "12.25"},     {1e-7, "0.0000001"},   {5174.1625, "5174.16"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SixSignificantDigits(c.value), c.text) << c.value;
    }
}

// A maker's file saved as UTF-8, with the byte order mark or beyond ASCII, reads as it would in
// Windows-1252.
TEST(PhotometricFiles, AFileInUtf8IsReadInWindows1252) {
    for (const char* name : {"rotational-1995.ies", "symmetry-4.ldt"}) {
        SCOPED_TRACE(name);
        const std::string content = ReadWholeFile(kOwnFiles / name);
        const LuminaireFileReading plain = LuminaireFileRecords(name, content);
        ASSERT_FALSE(plain.records.empty());
        EXPECT_EQ(LuminaireFileRecords(name, "\xEF\xBB\xBF" + content).records, plain.records);
    }
    const std::string ies = ReadWholeFile(kOwnFiles / "rotational-1995.ies");
    const std::size_t name = ies.find("Rund 1995");
    ASSERT_NE(name, std::string::npos);
    std::string utf8 = ies;
    utf8.replace(name, 4, "R\xC3\xBCnd");
    EXPECT_EQ(Fields(LuminaireFileRecords("r.ies", utf8).records.at(0))[0], "R\xFCnd 1995");
}

} // namespace
